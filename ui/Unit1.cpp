#include "Unit1.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <new>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QShowEvent>
#include <QUrl>

#include "Unit2.h"
#include "Unit3.h"
#include "UpDown.h"
#include "artwork.h"
#include "modeless_window.h"
#include "open_file_dialog.h"
#include "window_flags.h"
#include "window_font.h"

namespace {

// A label of the grid: the field that holds it, its place in the client
// area and the slot it shows. The left column starts at 16, the right one
// at 272.
struct LabelPlace {
  QLabel* TForm1::*label;
  const char* name;
  int left;
  int top;
  tavrik::TextSlot tavrik::DisplaySlots::*slot;
};

constexpr LabelPlace kLabelPlaces[] = {
    {&TForm1::Label5, "Label5", 16, 56, &tavrik::DisplaySlots::StatusText},
    {&TForm1::Label20, "Label20", 272, 56, &tavrik::DisplaySlots::RxDateText},
    {&TForm1::Label4, "Label4", 16, 96, &tavrik::DisplaySlots::FrameCountText},
    {&TForm1::Label2, "Label2", 272, 96, &tavrik::DisplaySlots::ChoosePrompt},
    {&TForm1::Label1, "Label1", 472, 96, &tavrik::DisplaySlots::FrameNumberText},
    {&TForm1::Label6, "Label6", 16, 136, &tavrik::DisplaySlots::DecodedHeading},
    {&TForm1::Label3, "Label3", 16, 176, &tavrik::DisplaySlots::OnboardTimeText},
    {&TForm1::Label7, "Label7", 272, 176, &tavrik::DisplaySlots::MillisecondsText},
    {&TForm1::Label9, "Label9", 16, 216, &tavrik::DisplaySlots::BatteryText},
    {&TForm1::Label15, "Label15", 272, 216, &tavrik::DisplaySlots::PaTemperatureText},
    {&TForm1::Label8, "Label8", 16, 256, &tavrik::DisplaySlots::SystemCurrentText},
    {&TForm1::Label13, "Label13", 272, 256, &tavrik::DisplaySlots::SolarCurrentText},
};

constexpr QSize kClientSize(564, 290);
constexpr std::int64_t kPageFrames = 10;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TForm1::TForm1(tavrik::DateTimeFormat format)
    : QMainWindow(nullptr, tavrik::ui::kMainWindowFlags),
      controller_(*this, std::move(format)),
      chooser_([this](const QString& filter) { return tavrik::ui::ChooseFileWithDialog(this, filter); }),
      present_error_([](QMessageBox& box) { box.exec(); }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("  TAVRIK  Simple beacon decoder    v1.1     by  ZORVAK"));
  setWindowIcon(tavrik::ui::ProgramIcon());
  setFont(tavrik::ui::WindowFont());
  // The File menu and the error box are windows of their own: they take the
  // window font too.
  setAttribute(Qt::WA_WindowPropagation);
  setAcceptDrops(true);

  CreateMenu();
  CreateControls();
  ShowSlots();

  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  move(screen()->availableGeometry().center() - rect().center());
}

void TForm1::CreateMenu() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  const auto entry = [this](QWidget* menu, const char* name, const char* caption,
                            void (TForm1::*handler)()) {
    auto* action = new QAction(QString::fromLatin1(caption), this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    menu->addAction(action);
    return action;
  };
  File1 = MainMenu1->addMenu(QStringLiteral(" File"));
  File1->setObjectName(QStringLiteral("File1"));
  OpenKSSfile1 = entry(File1, "OpenKSSfile1", "Open .KSS file", &TForm1::OpenKSSfile1Click);
  Writehexfile1 = entry(File1, "Writehexfile1", "Write .HEX file", &TForm1::Writehexfile1Click);
  Exit1 = entry(File1, "Exit1", "Exit", &TForm1::Exit1Click);
  // " Help" and " About" act from the menu bar itself, without a submenu.
  help = entry(MainMenu1, "help", " Help", &TForm1::helpClick);
  About1 = entry(MainMenu1, "About1", " About", &TForm1::About1Click);
}

void TForm1::CreateControls() {
  auto* client = new QWidget(this);
  client->setFixedSize(kClientSize);
  setCentralWidget(client);

  Edit1 = new QLineEdit(client);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(8, 8, 545, 21);
  Edit1->setReadOnly(true);
  Edit1->installEventFilter(this);

  // Made before the labels, so that the labels lie over it.
  Image1 = new QLabel(client);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(40, 56, 484, 203);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(tavrik::ui::LogoPicture());

  QFont bold = font();
  bold.setBold(true);
  for (const LabelPlace& place : kLabelPlaces) {
    auto* label = new QLabel(client);
    label->setObjectName(QLatin1String(place.name));
    label->setFont(bold);
    // Texts come from files: a "<" in them must not start rich text.
    label->setTextFormat(Qt::PlainText);
    // Opaque, in the window's colour, where a label lies over the logo.
    label->setAutoFillBackground(true);
    label->move(place.left, place.top);
    this->*place.label = label;
  }

  UpDown1 = new TUpDown(client);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->move(496, 88);
  connect(UpDown1, &TUpDown::clicked, this, &TForm1::UpDown1Click);
}

void TForm1::SetSecondaryWindows(TForm2& about, TForm3& help) {
  about_ = &about;
  help_ = &help;
}

void TForm1::FormShow() {
  Run([this] { controller_.Initialise(); });
}

void TForm1::OpenKSSfile1Click() { Open(chooser_); }

void TForm1::Writehexfile1Click() {
  Run([this] { controller_.Write(); });
}

void TForm1::UpDown1Click() {
  Run([this] { controller_.Select(UpDown1->position()); });
}

void TForm1::helpClick() {
  if (help_ != nullptr) tavrik::ui::ShowModeless(*help_, *this);
}

void TForm1::About1Click() {
  if (about_ != nullptr) tavrik::ui::ShowModeless(*about_, *this);
}

void TForm1::Exit1Click() { close(); }

void TForm1::calcula() {
  Run([this] { controller_.calcula(); });
}

void TForm1::apaga() {
  Run([this] { controller_.apaga(); });
}

void TForm1::Open(const FileChooser& chooser) {
  open_chooser_ = &chooser;
  Run([this] { controller_.Open(); });
  open_chooser_ = nullptr;
}

std::optional<std::string> TForm1::ChooseFile(const std::string& filter) {
  return (*open_chooser_)(tavrik::ui::QtNameFilter(filter));
}

void TForm1::RedrawNow() {
  ShowSlots();
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm1::Run(const std::function<void()>& operation) {
  std::optional<QString> failure;
  try {
    operation();
  } catch (const tavrik::DecoderError& error) {
    failure = Text(error.what());
  } catch (const std::bad_alloc&) {
    failure = QStringLiteral("Out of memory");
  } catch (const std::exception& error) {
    failure = QString::fromLocal8Bit(error.what());
  }
  // What the operation did before it failed stays shown under the box.
  ShowSlots();
  if (failure) ReportError(*failure);
}

void TForm1::ReportError(QString message) {
  if (!message.endsWith(u'.')) message += u'.';
  QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), message,
                  QMessageBox::Ok, this);
  present_error_(box);
}

void TForm1::ShowSlots() {
  const tavrik::DisplaySlots& shown = controller_.Slots();
  Edit1->setText(Text(shown.FileNameLine.text));
  Edit1->setCursorPosition(0);  // a long path shows its beginning
  Edit1->setVisible(shown.FileNameLine.visible);
  for (const LabelPlace& place : kLabelPlaces) {
    QLabel* const label = this->*place.label;
    const tavrik::TextSlot& slot = shown.*place.slot;
    label->setText(Text(slot.text));
    label->adjustSize();
    label->setVisible(slot.visible);
  }
  UpDown1->setRange(shown.FrameSelector.minimum, shown.FrameSelector.maximum);
  UpDown1->setPosition(shown.FrameSelector.position);
  UpDown1->setVisible(shown.FrameSelector.visible);
  Image1->setVisible(shown.LogoVisible);
  Writehexfile1->setEnabled(shown.WriteHexCommand);
}

void TForm1::showEvent(QShowEvent* event) {
  // The main window is shown once in the program's life; spontaneous show
  // events only tell of the window system restoring it.
  if (!event->spontaneous()) FormShow();
  QMainWindow::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  for (QWidget* const window : {static_cast<QWidget*>(about_), static_cast<QWidget*>(help_)}) {
    if (window != nullptr) window->close();
  }
  QMainWindow::closeEvent(event);
}

bool TForm1::SelectWithKey(const QKeyEvent& key) {
  if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || UpDown1->isHidden()) return false;
  const std::int64_t last = std::max(controller_.FrameCount(), UpDown1->minimum());
  std::int64_t frame = UpDown1->position();
  switch (key.key()) {
    case Qt::Key_Up: frame += 1; break;
    case Qt::Key_Down: frame -= 1; break;
    case Qt::Key_PageUp: frame += kPageFrames; break;
    case Qt::Key_PageDown: frame -= kPageFrames; break;
    case Qt::Key_Home: frame = UpDown1->minimum(); break;
    case Qt::Key_End: frame = last; break;
    default: return false;
  }
  // Straight to the controller: until the first selection the selector's
  // upper bound is not yet the frame count, so End could not reach the
  // last frame through it.
  const auto position = static_cast<std::int32_t>(std::clamp<std::int64_t>(frame, UpDown1->minimum(), last));
  Run([this, position] { controller_.Select(position); });
  return true;
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (!SelectWithKey(*event)) QMainWindow::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // The file line has the focus whenever the window is active, and it would
  // use Home and End itself.
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    return SelectWithKey(*static_cast<QKeyEvent*>(event));
  }
  return QMainWindow::eventFilter(watched, event);
}

std::optional<QString> TForm1::DroppedCapture(const QMimeData* data) {
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.constFirst().isLocalFile()) return std::nullopt;
  QString path = urls.constFirst().toLocalFile();
  if (!path.endsWith(QStringLiteral(".kss"), Qt::CaseInsensitive)) return std::nullopt;
  return path;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedCapture(event->mimeData())) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const std::optional<QString> path = DroppedCapture(event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  // Opened once the drop is over: the drag source is not kept waiting
  // while the file is read or an error box is open.
  const std::string name = QFile::encodeName(*path).toStdString();
  QMetaObject::invokeMethod(
      this,
      [this, name] {
        Open([name](const QString&) -> std::optional<std::string> { return name; });
      },
      Qt::QueuedConnection);
}
