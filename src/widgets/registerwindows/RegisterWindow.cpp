// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterWindow.h"

#include "ClassTable.h"
#include "RegisterTexts.h"
#include "frame/FrameTexts.h"
#include "printing/PaperOutput.h"
#include "printing/PrintTexts.h"
#include "register/RegisterSettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>

namespace {

// The code asked or chosen, told once the dialog closes: an empty code when
// asked and given right, none when not given; refused after three wrong.
using CodeAnswer = std::function<void(std::optional<TeacherCode> code, bool refused)>;
void askCode(TeacherCodeDialog::Mode mode, std::optional<TeacherCode> stored, const QString &hint, QWidget *parent,
             CodeAnswer answered)
{
    auto *dialog = new TeacherCodeDialog(mode, std::move(stored), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (!hint.isEmpty())
        dialog->setHint(hint);
    QObject::connect(dialog, &QDialog::finished, parent, [dialog, mode, parent, answered = std::move(answered)](int result) {
        std::optional<TeacherCode> code;
        if (result == QDialog::Accepted)
            code = mode == TeacherCodeDialog::Mode::Choose ? dialog->chosen() : TeacherCode();
        const bool refused = dialog->refused();
        // Once the dialog has gone altogether and the window under it has the
        // focus back: closing that window at once, while the window manager
        // still hands the focus back, can leave no window active.
        QMetaObject::invokeMethod(parent, [answered, code, refused] { answered(code, refused); },
                                  Qt::QueuedConnection);
    });
    dialog->open();
}

// A warning over the register window, opened.
void warn(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, RegisterTexts::windowTitle(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// A question with "Sì" and "No"; what follows "Sì" is done once it is chosen.
void confirm(QWidget *parent, const QString &text, std::function<void()> yes)
{
    auto *box = new QMessageBox(QMessageBox::Question, RegisterTexts::windowTitle(), text,
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, parent, [box, yes = std::move(yes)] {
        if (box->standardButton(box->clickedButton()) == QMessageBox::Yes)
            yes();
    });
    box->open();
}

QPushButton *button(const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    // Enter on the table opens the pupil, never a button.
    b->setAutoDefault(false);
    return b;
}

// Pupils' results in one dialog, by window and kind, as the results panel
// gives a game's.
void showResults(const PupilSummary &pupil, QWidget *parent)
{
    auto *dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("frmPupilResults"));
    dialog->setWindowTitle(RegisterTexts::pupilResultsTitle(pupil.pupil));
    auto *rows = new QListWidget(dialog);
    rows->setAccessibleName(FrameTexts::resultsTitle());
    for (const PupilSummary::Kind &k : pupil.kinds)
        rows->addItem(FrameTexts::resultsRow(RegisterTexts::kindName(k.window, k.kind), k.right, k.wrong));
    rows->addItem(FrameTexts::resultsTotal(pupil.right, pupil.wrong));
    auto *buttons = new QDialogButtonBox(dialog);
    buttons->addButton(RegisterTexts::close(), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(rows);
    layout->addWidget(buttons);
    dialog->resize(560, 420);
    rows->setFocus();
    dialog->open();
}

} // namespace

RegisterWindow::RegisterWindow(ClassRegister &classRegister, QSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_register(classRegister)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("frmRegister"));
    setWindowTitle(RegisterTexts::windowTitle());
    setModal(true);

    m_folder = new QLabel(this);
    m_folder->setAccessibleDescription(RegisterTexts::folderName());
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton *choose = button(RegisterTexts::chooseFolder(), this);
    connect(choose, &QPushButton::clicked, this, &RegisterWindow::pickFolder);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(RegisterTexts::folderLabel(), this));
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(choose);

    m_classes = new QComboBox(this);
    m_classes->setAccessibleName(RegisterTexts::className());
    auto *classLabel = new QLabel(RegisterTexts::classLabel(), this);
    classLabel->setBuddy(m_classes);
    connect(m_classes, &QComboBox::currentIndexChanged, this, &RegisterWindow::showClass);
    auto *classRow = new QHBoxLayout;
    classRow->addWidget(classLabel);
    classRow->addWidget(m_classes);
    classRow->addStretch();

    m_model = new QStandardItemModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(ClassTable::SortRole);
    m_table = new QTableView(this);
    m_table->setModel(m_sorted);
    m_table->setAccessibleName(RegisterTexts::tableName());
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableView::activated, this, &RegisterWindow::showPupil);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblRegisterStatus"));

    QPushButton *csv = button(RegisterTexts::saveCsv(), this);
    QPushButton *pdf = button(RegisterTexts::savePdf(), this);
    QPushButton *printer = m_printer = button(RegisterTexts::print(), this);
    if (!PaperOutput::canPrint())
        printer->setToolTip(PrintTexts::printUnavailable());
    QPushButton *erasePupil = button(RegisterTexts::erasePupil(), this);
    m_eraseClass = button(RegisterTexts::eraseClass(), this);
    QPushButton *close = button(RegisterTexts::close(), this);
    connect(csv, &QPushButton::clicked, this, &RegisterWindow::saveCsv);
    connect(pdf, &QPushButton::clicked, this, &RegisterWindow::savePdf);
    connect(printer, &QPushButton::clicked, this, &RegisterWindow::print);
    connect(erasePupil, &QPushButton::clicked, this, &RegisterWindow::erasePupil);
    connect(m_eraseClass, &QPushButton::clicked, this, &RegisterWindow::eraseClass);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_actions = {csv, pdf, printer, erasePupil, m_eraseClass};
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : m_actions)
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addLayout(classRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    resize(980, 560);
    enableActions();
}

void RegisterWindow::open()
{
    const QString folder = m_register.folder();
    m_folder->setText(folder.isEmpty() ? RegisterTexts::noFolder() : QDir::toNativeSeparators(folder));
    QDialog::open();
    if (!folder.isEmpty())
        checkCode(folder, Purpose::Open);
}

void RegisterWindow::pickFolder()
{
    auto *dialog = new QFileDialog(this, RegisterTexts::folderDialogTitle());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
#ifndef Q_OS_WIN
    // Qt's own dialog, Italian whatever the desktop and in the same
    // accessibility tree; Windows' own is the one its users know.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
#endif
    if (!m_register.folder().isEmpty())
        dialog->setDirectory(m_register.folder());
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        if (result == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
            chooseFolder(dialog->selectedFiles().constFirst());
    });
    dialog->open();
}

void RegisterWindow::chooseFolder(const QString &folder)
{
    checkCode(QDir::cleanPath(folder), Purpose::Choose);
}

void RegisterWindow::checkCode(const QString &folder, Purpose purpose)
{
    m_status->setText(RegisterTexts::reading());
    m_register.readCode(folder, this, [this, folder, purpose](const ClassRegister::CodeState &state) {
        onCode(folder, purpose, state);
    });
}

void RegisterWindow::onCode(const QString &folder, Purpose purpose, const ClassRegister::CodeState &state)
{
    if (!state.folderFound) {
        m_status->setText(RegisterTexts::unreachable());
        return;
    }
    if (state.code) {
        askCode(TeacherCodeDialog::Mode::Ask, state.code, QString(), this,
                [this, folder, purpose](std::optional<TeacherCode> given, bool refused) {
            if (!given) {
                // Three wrong codes, or no code given: nothing of it is shown.
                if (refused || purpose == Purpose::Open)
                    reject();
                else
                    m_status->clear();
                return;
            }
            useFolder(folder);
        });
        return;
    }
    // A folder without a code, or with one that no longer reads: the
    // teacher chooses one, or the folder is not taken.
    askCode(TeacherCodeDialog::Mode::Choose, std::nullopt, state.present ? RegisterTexts::unreadableCode() : QString(),
            this, [this, folder, purpose](std::optional<TeacherCode> chosen, bool) {
        if (!chosen) {
            if (purpose == Purpose::Open)
                reject();
            else
                m_status->clear();
            return;
        }
        writeCode(folder, *chosen);
    });
}

void RegisterWindow::writeCode(const QString &folder, const TeacherCode &chosen)
{
    m_register.writeCode(folder, chosen, this, [this, folder](bool written) {
        if (written) {
            useFolder(folder);
            return;
        }
        m_status->clear();
        warn(this, RegisterTexts::codeNotWritten(QDir::toNativeSeparators(QDir(folder).filePath(TeacherCode::fileName()))));
    });
}

void RegisterWindow::useFolder(const QString &folder)
{
    if (folder != m_register.folder()) {
        RegisterSettings::setFolder(m_settings, folder);
        m_register.setFolder(folder);
        m_folder->setText(QDir::toNativeSeparators(folder));
    }
    readRegister();
}

void RegisterWindow::readRegister()
{
    m_status->setText(RegisterTexts::reading());
    const QString folder = m_register.folder();
    m_register.readSummary(this, [this, folder](const ClassSummary &summary) {
        // A folder changed meanwhile: its own reading follows.
        if (folder == m_register.folder())
            showSummary(summary);
    });
}

void RegisterWindow::showSummary(const ClassSummary &summary)
{
    m_summary = summary;
    m_shown = true;
    const QString before = chosenClass();
    {
        const QSignalBlocker quiet(m_classes);
        m_classes->clear();
        m_classes->addItem(RegisterTexts::allClasses());
        m_classes->addItems(summary.classes);
        const int again = before.isEmpty() ? -1 : m_classes->findText(before);
        m_classes->setCurrentIndex(std::max(again, 0));
    }
    QStringList said{RegisterTexts::pupilCount(int(summary.pupils.size()))};
    if (summary.unreadableLines > 0)
        said << RegisterTexts::unreadableLines(summary.unreadableLines);
    if (summary.unreadableFiles > 0)
        said << RegisterTexts::unreadableFiles(summary.unreadableFiles);
    m_status->setText(said.join(QStringLiteral(" · ")));
    showClass();
    emit registerShown();
}

void RegisterWindow::showClass()
{
    if (!m_shown)
        return;
    ClassTable::fill(*m_model, m_summary, chosenClass());
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    if (m_sorted->rowCount() > 0)
        m_table->selectRow(0);
    enableActions();
}

void RegisterWindow::enableActions()
{
    for (QPushButton *b : m_actions)
        b->setEnabled(m_shown && m_sorted->rowCount() > 0);
    m_eraseClass->setEnabled(m_shown && !chosenClass().isEmpty() && m_sorted->rowCount() > 0);
    if (!PaperOutput::canPrint())
        m_printer->setEnabled(false);
}

QString RegisterWindow::chosenClass() const
{
    return m_classes->currentIndex() > 0 ? m_classes->currentText() : QString();
}

std::optional<PupilSummary> RegisterWindow::selectedPupil() const
{
    // The row selected, by the keyboard, the mouse or a screen reader.
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    const QModelIndex current = selected.isEmpty() ? m_table->currentIndex() : selected.constFirst();
    if (!current.isValid())
        return std::nullopt;
    const int i = current.data(ClassTable::PupilRole).toInt();
    return i >= 0 && i < m_summary.pupils.size() ? std::optional(m_summary.pupils[i]) : std::nullopt;
}

void RegisterWindow::showPupil()
{
    if (const std::optional<PupilSummary> pupil = selectedPupil())
        showResults(*pupil, this);
}

void RegisterWindow::saveCsv()
{
    const QByteArray bytes = ClassTable::csv(*m_sorted);
    PaperOutput::askAndWrite(this,
                             {RegisterTexts::csvTitle(), RegisterTexts::csvFilter(), QStringLiteral("csv"),
                              RegisterTexts::csvFileName(chosenClass())},
                             [bytes](const QString &path) { return PaperOutput::saveBytes(path, bytes); });
}

void RegisterWindow::savePdf()
{
    const QString title = RegisterTexts::pagesTitle(chosenClass());
    PaperOutput::askAndSave(this, RegisterTexts::pdfFileName(chosenClass()), ClassTable::pages(*m_sorted, title), title);
}

void RegisterWindow::print()
{
    const QString title = RegisterTexts::pagesTitle(chosenClass());
    PaperOutput::askAndPrint(this, ClassTable::pages(*m_sorted, title), title);
}

void RegisterWindow::erasePupil()
{
    const std::optional<PupilSummary> pupil = selectedPupil();
    if (!pupil)
        return;
    confirm(this, RegisterTexts::confirmPupil(pupil->pupil, pupil->schoolClass),
            [this, files = pupil->files] { erase(files); });
}

void RegisterWindow::eraseClass()
{
    const QString schoolClass = chosenClass();
    if (schoolClass.isEmpty())
        return;
    QStringList files;
    int pupils = 0;
    for (const PupilSummary &p : m_summary.pupils) {
        if (p.schoolClass.toCaseFolded() == schoolClass.toCaseFolded()) {
            files << p.files;
            ++pupils;
        }
    }
    confirm(this, RegisterTexts::confirmClass(schoolClass, pupils), [this, files] { erase(files); });
}

void RegisterWindow::erase(const QStringList &files)
{
    m_status->setText(RegisterTexts::reading());
    m_register.erase(files, this, [this](const QStringList &left) {
        if (!left.isEmpty())
            warn(this, RegisterTexts::notErased(left));
        readRegister();
    });
}
