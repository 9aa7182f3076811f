// The file dialog of "Open .KSS file": turns the decoder's filter
// ("Description (*.ext)|*.EXT", pairs separated by "|") into a Qt name
// filter, and asks the user for one file.
#ifndef TAVRIK_UI_OPEN_FILE_DIALOG_H_
#define TAVRIK_UI_OPEN_FILE_DIALOG_H_

#include <optional>
#include <string>

#include <QFileDialog>
#include <QString>

namespace tavrik::ui {

// One Qt filter per description and pattern pair, joined by ";;". Each is
// the description followed by its patterns in parentheses, every letter of
// them matching either case ("*.KSS" becomes "*.[kK][sS][sS]"), so that a
// capture is listed whatever the case of its extension.
QString QtNameFilter(const std::string& filter);

// Sets `dialog` up to open one file through `name_filter`. Unlike
// QFileDialog::getOpenFileName, the dialog accepts a typed name of a file
// that does not exist: the decoder must get that name to report the
// missing file itself.
void ConfigureOpenDialog(QFileDialog& dialog, const QString& name_filter);

// Runs the dialog modally; the chosen path in the file system's encoding,
// nothing when the user cancels.
std::optional<std::string> ChooseFileWithDialog(QWidget* parent, const QString& name_filter);

}  // namespace tavrik::ui

#endif  // TAVRIK_UI_OPEN_FILE_DIALOG_H_
