// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TeacherCodeDialog.h"
#include "register/ClassRegister.h"
#include "register/ClassSummary.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSettings;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

// "Registro della classe", over the choice window: the register folder,
// chosen once and guarded by the teacher's code, and the class at a
// glance. Nothing of the register shows before the code has been given;
// everything read from the folder comes from the register's thread, so
// the window never waits on the share.
class RegisterWindow : public QDialog
{
    Q_OBJECT
public:
    RegisterWindow(ClassRegister &classRegister, QSettings &settings, QWidget *parent);

    // Starts with the folder set: its code asked, then its table read.
    void open() override;
    // Takes a folder as the folder dialog would give it.
    void chooseFolder(const QString &folder);

    const ClassSummary &summary() const { return m_summary; }
    bool isShowingRegister() const { return m_shown; }
    QTableView *table() const { return m_table; }
    QComboBox *classes() const { return m_classes; }
    QLabel *status() const { return m_status; }
    QLabel *folderLine() const { return m_folder; }

public slots:
    void pickFolder();
    void saveCsv();
    void savePdf();
    void print();
    void erasePupil();
    void eraseClass();
    void showPupil();

signals:
    // The table shows the folder's register as it is now.
    void registerShown();

private:
    enum class Purpose { Open, Choose };
    void checkCode(const QString &folder, Purpose purpose);
    void onCode(const QString &folder, Purpose purpose, const ClassRegister::CodeState &state);
    void writeCode(const QString &folder, const TeacherCode &chosen);
    void useFolder(const QString &folder);
    void readRegister();
    void showSummary(const ClassSummary &summary);
    void showClass();
    void enableActions();
    QString chosenClass() const;
    std::optional<PupilSummary> selectedPupil() const;
    void erase(const QStringList &files);

    ClassRegister &m_register;
    QSettings &m_settings;
    ClassSummary m_summary;
    bool m_shown = false;
    QLabel *m_folder = nullptr;
    QComboBox *m_classes = nullptr;
    QTableView *m_table = nullptr;
    QStandardItemModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QLabel *m_status = nullptr;
    QList<QPushButton *> m_actions; // what needs the register shown
    QPushButton *m_eraseClass = nullptr;
    QPushButton *m_printer = nullptr;
};
