#include "results/resultslog.h"

#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/textbox.h"
#include "formstate/formstate.h"
#include "formstate/programfolder.h"
#include "results/resultsfile.h"
#include "results/resultsgrid.h"

#include <QDir>
#include <QFileDialog>
#include <utility>

using Formkit::CommandButton;
using Formkit::ListBox;
using Formkit::MessageBox;
using Formkit::TextBox;

namespace {

const QStringList headings { QStringLiteral("From Unit"), QStringLiteral("From Value"),
    QStringLiteral("To Unit"), QStringLiteral("To Value") };

QString failureText(const ResultsFileError &error)
{
    return QStringLiteral("The results could not be written to the file\n%1\n\nReason: %2\n\n"
                          "The saved conversions are kept. Choose another place for the file in the "
                          "next window, or cancel there to keep the rows and try \"Make File\" again "
                          "later.")
        .arg(QDir::toNativeSeparators(error.path), error.reason);
}

// Names the file written, and the link the user chose when it led there.
QString writtenText(const QString &chosen)
{
    const QString target = resultsFileTarget(chosen);
    QString text
        = QStringLiteral("The results were written to the file\n%1").arg(QDir::toNativeSeparators(target));
    if (target != chosen)
        text += QStringLiteral("\n\n%1 is a link to that file.").arg(QDir::toNativeSeparators(chosen));
    return text;
}

} // namespace

ResultsLog::ResultsLog(FormState &state, ResultsGrid *grid, ListBox *list1, ListBox *list2, TextBox *text1,
    TextBox *text2, CommandButton *saveCmnd, CommandButton *makeFileCmnd, QString folder,
    program::ProgramLayout layout)
    : m_state(state)
    , m_grid(grid)
    , m_list1(list1)
    , m_list2(list2)
    , m_text1(text1)
    , m_text2(text2)
    , m_saveCmnd(saveCmnd)
    , m_makeFileCmnd(makeFileCmnd)
    , m_folder(std::move(folder))
    , m_layout(layout)
{ }

void ResultsLog::layoutGrid()
{
    m_grid->setRows(1);
    m_grid->setCols(headings.size());
    m_grid->setRow(0);
    for (int col = 0; col < headings.size(); ++col) {
        m_grid->setCol(col);
        m_grid->setText(headings[col]);
    }
}

void ResultsLog::save()
{
    m_state.gridHasRows = true;
    m_grid->setRows(m_grid->rows() + 1);
    m_grid->setRow(m_grid->rows() - 1);
    const QString cells[] = { m_list1->text(), m_text1->text(), m_list2->text(), m_text2->text() };
    for (int col = 0; col < 4; ++col) {
        m_grid->setCol(col);
        m_grid->setText(cells[col]);
    }
    // One result is saved at most once; the next result enables "Save" again.
    m_saveCmnd->setEnabled(false);
    m_makeFileCmnd->setEnabled(true);
}

void ResultsLog::makeFile()
{
    const QList<QStringList> rows = gridRows();
    const bool installed = m_layout == program::ProgramLayout::Installed;
    // The documents folder may not be there yet; the program's own folder is.
    if (installed)
        QDir().mkpath(m_folder);
    QString chosen = filePath();
    auto error = writeResultsFile(chosen, rows);
    while (error) {
        MessageBox::show(m_makeFileCmnd->window(), failureText(*error), QStringLiteral("Make File"),
            MessageBox::Icon::Warning);
        chosen = askForAnotherPath(error->path);
        if (chosen.isEmpty())
            return; // rows and buttons as they were: "Make File" can be tried again
        error = writeResultsFile(chosen, rows);
    }
    // Written: only the heading row stays. gridHasRows stays true, so the next
    // result enables "Make File" again even with no rows saved.
    m_grid->setRows(1);
    m_makeFileCmnd->setEnabled(false);
    m_saveCmnd->setEnabled(false);
    // Where the user would look, the program's own folder, the file needs no
    // word; anywhere else (the documents folder, another place chosen after a
    // failure, the far end of a link) the window says which file it wrote.
    if (installed || chosen != filePath() || resultsFileTarget(chosen) != chosen) {
        MessageBox::show(m_makeFileCmnd->window(), writtenText(chosen), QStringLiteral("Make File"),
            MessageBox::Icon::Information);
    }
}

QString ResultsLog::filePath() const
{
    return resultsFilePath(m_folder);
}

void ResultsLog::setSaveDialog(SaveDialog dialog)
{
    m_saveDialog = std::move(dialog);
}

QList<QStringList> ResultsLog::gridRows()
{
    QList<QStringList> rows;
    rows.reserve(m_grid->rows());
    for (int row = 0; row < m_grid->rows(); ++row) {
        m_grid->setRow(row);
        QStringList cells;
        for (int col = 0; col < m_grid->cols(); ++col) {
            m_grid->setCol(col);
            cells.append(m_grid->text());
        }
        rows.append(cells);
    }
    return rows;
}

QString ResultsLog::askForAnotherPath(const QString &failedPath)
{
    if (m_saveDialog)
        return m_saveDialog(failedPath);
    const QString suggested = program::joinPath(QDir::homePath(), QString::fromLatin1(resultsFileName));
    return QFileDialog::getSaveFileName(m_makeFileCmnd->window(), QStringLiteral("Save Results As"),
        suggested, QStringLiteral("Text files (*.txt);;All files (*)"));
}
