// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormulaPanel.h"

#include "frame/FrameTexts.h"

#include <QTextBrowser>

namespace {

QString escaped(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out << line.toHtmlEscaped();
    return out.join(QStringLiteral("<br>"));
}

// One sheet: the title, the two columns, then what the sheet adds.
QString html(const FormulaSheet &sheet)
{
    QString h = QStringLiteral("<h3>%1</h3>").arg(sheet.title.toHtmlEscaped());
    h += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\"><tr>"
                        "<th align=\"left\" width=\"55%\">%1</th><th align=\"left\">%2</th></tr>"
                        "<tr><td valign=\"top\">%3</td><td valign=\"top\">%4</td></tr></table>")
             .arg(Formulas::directTitle(), Formulas::inverseTitle(), escaped(sheet.direct), escaped(sheet.inverse));
    if (!sheet.pythagoras.isEmpty())
        h += QStringLiteral("<p><b>%1</b><br>%2</p>").arg(Formulas::pythagorasTitle(), escaped(sheet.pythagoras));
    if (!sheet.notes.isEmpty())
        h += QStringLiteral("<p>%1</p>").arg(escaped(sheet.notes));
    QStringList legend;
    for (const FormulaSheet::Symbol &s : sheet.legend)
        legend << s.symbol + QStringLiteral(" = ") + s.meaning;
    if (!legend.isEmpty())
        h += QStringLiteral("<p><b>%1</b><br>%2</p>").arg(Formulas::legendTitle(), legend.join(QStringLiteral("; ")).toHtmlEscaped());
    return h;
}

} // namespace

FormulaPanel::FormulaPanel(const QList<FormulaSheet> &sheets, QWidget *parent)
    : Panel(QStringLiteral("formulaPanel"), FrameTexts::formulasTitle(), parent)
{
    QString document;
    for (const FormulaSheet &sheet : sheets) {
        document += html(sheet);
        m_lines << sheet.lines();
    }
    m_sheet = new QTextBrowser(this);
    m_sheet->setObjectName(QStringLiteral("formulaSheet"));
    m_sheet->setAccessibleName(FrameTexts::formulasTitle());
    m_sheet->setOpenLinks(false);
    m_sheet->setHtml(document);
    addContent(m_sheet, 1);
}
