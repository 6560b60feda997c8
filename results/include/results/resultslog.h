#ifndef BRIMLOW_RESULTSLOG_H
#define BRIMLOW_RESULTSLOG_H

// The results log behind the "Report" buttons. "Save" appends the conversion on
// show (both units, the volume and the result, as the widgets show them) to the
// hidden grid; "Make File" writes the grid, headings first, to "BrimlowCSV.txt"
// in the results folder and keeps only the heading row. The results folder is
// the program's own in the portable layout; installed, it is the user's
// documents folder, made when missing. Unless the file went to the program's
// own folder, where the user looks for it, the window says which file it wrote:
// installed, after another place was chosen, and when BrimlowCSV.txt is a link
// (the file linked to is the one replaced).
//
// Writing the file can fail (a read-only folder, a full disk). Then the user is
// told where and why, the grid and both buttons stay as they were so nothing is
// lost and "Make File" can be tried again, and a save dialog offers another
// place for the same file.

#include "formstate/programlayout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace Formkit {
class CommandButton;
class ListBox;
} // namespace Formkit
class ResultsGrid;
namespace Formkit {
class TextBox;
} // namespace Formkit
struct FormState;

class ResultsLog final
{
public:
    // Asks for another path for the results file that could not be written at
    // failedPath; an empty path when the user cancels.
    using SaveDialog = std::function<QString(const QString &failedPath)>;

    ResultsLog(FormState &state, ResultsGrid *grid, Formkit::ListBox *list1, Formkit::ListBox *list2,
        Formkit::TextBox *text1, Formkit::TextBox *text2, Formkit::CommandButton *saveCmnd,
        Formkit::CommandButton *makeFileCmnd, QString folder,
        program::ProgramLayout layout = program::ProgramLayout::Portable);

    // The grid's heading row, laid out once while the window loads.
    void layoutGrid();
    // The Click of SaveCmnd.
    void save();
    // The Click of MakeFileCmnd.
    void makeFile();

    QString filePath() const;

    // Replaces the save dialog (tests answer it themselves); an empty one puts
    // the file dialog back.
    void setSaveDialog(SaveDialog dialog);

private:
    QList<QStringList> gridRows();
    QString askForAnotherPath(const QString &failedPath);

    FormState &m_state;
    ResultsGrid *m_grid;
    Formkit::ListBox *m_list1;
    Formkit::ListBox *m_list2;
    Formkit::TextBox *m_text1;
    Formkit::TextBox *m_text2;
    Formkit::CommandButton *m_saveCmnd;
    Formkit::CommandButton *m_makeFileCmnd;
    QString m_folder;
    program::ProgramLayout m_layout;
    SaveDialog m_saveDialog;

    Q_DISABLE_COPY_MOVE(ResultsLog)
};

#endif
