#ifndef BRIMLOW_PROGRAMLAYOUT_H
#define BRIMLOW_PROGRAMLAYOUT_H

/// \file
/// Where the program reads its data and writes the user's files. Run from its
/// build folder or from an unpacked copy (the portable layout) it keeps
/// everything beside the program file. Installed under a prefix (the program in
/// \<prefix\>/bin), its data lies in \<prefix\>/share/brimlow and the files it
/// writes for the user go to the user's documents folder, since the program's
/// folder is not the user's.
///
/// The layout follows from where the data file is found, never from whether the
/// program's folder can be written: root can write to /usr/bin. Needs no widgets.

#include <QString>
#include <QStringList>

#include <optional>

/// The program's start-up and layout: where it runs from and keeps its files.
namespace program {

/// Where the program keeps its data and the files it writes.
enum class ProgramLayout {
    Portable, ///< data beside the program, files written beside it
    Installed, ///< data in ../share/brimlow, files written to the documents folder
};

/// The installed program's data folder: "../share/brimlow" from the program's
/// folder, resolved ("/usr/bin" gives "/usr/share/brimlow").
QString installedDataFolder(const QString &programFolder);

/// A data file looked for in both layouts.
struct DataFileLocation
{
    /// The layout whose place holds the file; none when neither does.
    std::optional<ProgramLayout> layout;
    /// The file found; when none was, the place beside the program.
    QString path;
    /// The places looked at, beside the program first.
    QStringList triedPaths;
};

/// Finds a data file beside the program, else in the installed data folder.
/// Anything of that name beside the program counts, so a broken copy there is
/// reported rather than passed over for another one.
DataFileLocation locateDataFile(const QString &programFolder, const QString &fileName);

/// The folder the program writes the user's files to (the results file): the
/// program's own folder in the portable layout, the documents folder installed.
QString userFilesFolder(ProgramLayout layout, const QString &programFolder, const QString &documentsFolder);

} // namespace program

#endif
