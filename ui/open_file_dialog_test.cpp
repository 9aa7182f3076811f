// The file dialog of Open: the decoder's filter becomes a Qt filter that
// lists captures whatever the case of their extension, and a typed name of
// a file that does not exist is accepted, not refused.
#include "open_file_dialog.h"

#include <QDir>
#include <QFileSystemModel>
#include <QTest>

#include "decoder/decoder_controller.h"
#include "testing/scratch_directory.h"

using tavrik::ui::ConfigureOpenDialog;
using tavrik::ui::QtNameFilter;

class OpenFileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void filterKeepsTheDescriptionAndIgnoresCase_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("decoder's filter") << QString(tavrik::kKssFileFilter)
                                      << "Kiss files (*.kss) (*.[kK][sS][sS])";
    QTest::newRow("two pairs, two patterns")
        << "Kiss files (*.kss)|*.KSS|Logs|*.log;*.TXT"
        << "Kiss files (*.kss) (*.[kK][sS][sS]);;Logs (*.[lL][oO][gG] *.[tT][xX][tT])";
    QTest::newRow("digits and signs kept") << "All|*_2.*" << "All (*_2.*)";
  }

  void filterKeepsTheDescriptionAndIgnoresCase() {
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(QtNameFilter(filter.toStdString()), expected);
  }

  void dialogListsCapturesOfEveryCase() {
    const tavrik::testing::ScratchDirectory directory;
    for (const char* name : {"a.kss", "B.KSS", "c.Kss", "d.hex", "e.kss.txt"}) {
      directory.WriteFile(name, {});
    }
    QFileDialog dialog;
    ConfigureOpenDialog(dialog, QtNameFilter(tavrik::kKssFileFilter));
    dialog.setDirectory(QString::fromStdString(directory.path().string()));
    auto* model = dialog.findChild<QFileSystemModel*>();
    QVERIFY(model != nullptr);
    const QModelIndex root = model->index(dialog.directory().absolutePath());
    QTRY_COMPARE(model->rowCount(root), 3);
    QStringList listed;
    for (int row = 0; row < model->rowCount(root); ++row) listed << model->index(row, 0, root).data().toString();
    listed.sort(Qt::CaseInsensitive);
    QCOMPARE(listed, (QStringList{"a.kss", "B.KSS", "c.Kss"}));
  }

  void typedNameOfMissingFileIsAccepted() {
    const tavrik::testing::ScratchDirectory directory;
    const QString missing = QString::fromStdString((directory.path() / "missing.kss").string());
    QFileDialog dialog;
    ConfigureOpenDialog(dialog, QtNameFilter(tavrik::kKssFileFilter));
    dialog.setDirectory(QString::fromStdString(directory.path().string()));
    dialog.selectFile(missing);
    static_cast<QDialog&>(dialog).accept();  // as the Open button does
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedFiles(), QStringList{missing});
  }
};

QTEST_MAIN(OpenFileDialogTest)
#include "open_file_dialog_test.moc"
