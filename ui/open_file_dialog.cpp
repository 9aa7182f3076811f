#include "open_file_dialog.h"

#include <QFile>
#include <QStringList>

namespace tavrik::ui {
namespace {

// "*.KSS;*.k" -> "*.[kK][sS][sS] *.[kK]"
QString CaseInsensitivePatterns(const QString& patterns) {
  QStringList result;
  for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
    QString wildcard;
    for (const QChar c : pattern) {
      const QChar lower = c.toLower();
      const QChar upper = c.toUpper();
      if (lower == upper) {
        wildcard += c;
      } else {
        wildcard += u'[' + QString(lower) + upper + u']';
      }
    }
    result << wildcard;
  }
  return result.join(u' ');
}

}  // namespace

QString QtNameFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + QStringLiteral(" (") + CaseInsensitivePatterns(parts[i + 1]) + u')';
  }
  return filters.join(QStringLiteral(";;"));
}

void ConfigureOpenDialog(QFileDialog& dialog, const QString& name_filter) {
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // AnyFile lets a typed name through whether or not the file exists. The
  // platform's own dialogs refuse missing files in open mode, so Qt's dialog
  // is used everywhere.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // The list shows the descriptions ("Kiss files (*.kss)"), not the
  // bracketed patterns that make them case-blind.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(name_filter);
}

std::optional<std::string> ChooseFileWithDialog(QWidget* parent, const QString& name_filter) {
  QFileDialog dialog(parent);
  ConfigureOpenDialog(dialog, name_filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace tavrik::ui
