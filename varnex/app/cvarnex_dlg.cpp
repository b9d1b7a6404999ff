#include "varnex/app/cvarnex_dlg.h"

#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/port_catalogue.h"
#include "varnex/app/app_icon.h"
#include "varnex/app/connection_bar.h"
#include "varnex/app/tab_pages.h"
#include "varnex/controls/cch_button.h"
#include "varnex/controls/page_look.h"
#include "varnex/link/serial_port_list.h"
#include "varnex/receipt/thermal_set_dlg.h"

namespace varnex::app {
namespace {

CVarnexDlg* g_mainWindow = nullptr;

constexpr int kTabCaptionIds[4] = {107, 108, 109, 251};
constexpr double kOpacity = 242.0 / 255.0;

int MenuIndex(platform::UiLanguage language) {
  return language == platform::UiLanguage::Chinese ? 0 : 1;
}

}  // namespace

CVarnexDlg* CVarnexDlg::Instance() {
  return g_mainWindow;
}

CVarnexDlg::CVarnexDlg(WindowServices services, platform::UiLanguage language, QWidget* parent)
    : QDialog(parent),
      texts_(language),
      context_{*this, texts_, services.messages, services.files, services.sleeper},
      link_(*this, services.sleeper),
      bar_(new ConnectionBar(this)),
      tabs_(new QTabWidget(this)),
      menuBar_(new QMenuBar(this)) {
  g_mainWindow = this;
  setWindowTitle(QStringLiteral("Varnex 1.0.5"));
  setWindowIcon(AppIcon());
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowOpacity(kOpacity);
  tabs_->setObjectName(QStringLiteral("1007"));

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar_);
  layout->addWidget(bar_);
  layout->addWidget(tabs_, 1);

  BuildMenus();
  bar_->FillPorts(link::SerialPortEntries(platform::SerialPortNames()));

  const TabPages tabPages = CreateTabPages(context_, this);
  pages_ = tabPages.pages;
  receiptPage_ = tabPages.receipt;
  BuildMaintenanceMenu();
  AttachMenus();
  for (controls::TabPage* page : pages_) {
    tabs_->addTab(page, QString());
  }
  SetTabCaptions();
  SetBarTexts();
  controls::ApplyPageLook(this);

  connect(bar_->connectButton(), &QPushButton::clicked, this, &CVarnexDlg::OnConnect);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

CVarnexDlg::~CVarnexDlg() {
  if (g_mainWindow == this) {
    g_mainWindow = nullptr;
  }
}

QMenu* CVarnexDlg::languageMenu(platform::UiLanguage language) const {
  return languageMenus_[static_cast<std::size_t>(MenuIndex(language))];
}

void CVarnexDlg::BuildMenus() {
  const QString captions[2] = {QStringLiteral("语言切换(&L)"), QStringLiteral("language(&L)")};
  for (int i = 0; i < 2; ++i) {
    QMenu* menu = new QMenu(captions[i], this);
    menu->setObjectName(QString::number(i == 0 ? 183 : 184));
    QAction* chinese = menu->addAction(QStringLiteral("中文(简体)"));
    chinese->setObjectName(QStringLiteral("32773"));
    chinese->setCheckable(true);
    QAction* english = menu->addAction(QStringLiteral("English"));
    english->setObjectName(QStringLiteral("32776"));
    english->setCheckable(true);
    connect(chinese, &QAction::triggered, this,
            [this] { SwitchLanguage(platform::UiLanguage::Chinese); });
    connect(english, &QAction::triggered, this,
            [this] { SwitchLanguage(platform::UiLanguage::English); });
    languageMenus_[static_cast<std::size_t>(i)] = menu;
  }
  languageShown_[static_cast<std::size_t>(MenuIndex(texts_.language()))] = true;
  ShowMenuChecks();
  AttachMenus();
}

// Each language has its own menu, and only the active language's menu is attached. A menu marks
// its own language once that language has been active and never marks the other one, whatever
// item was clicked (Qt toggles a checkable item by itself when it is chosen).
void CVarnexDlg::ShowMenuChecks() {
  for (std::size_t menu = 0; menu < languageMenus_.size(); ++menu) {
    const QList<QAction*> items = languageMenus_[menu]->actions();
    for (std::size_t item = 0; item < 2; ++item) {
      items[static_cast<qsizetype>(item)]->setChecked(item == menu && languageShown_[menu]);
    }
  }
}

// Holds the self-test page settings and the printer test system, the two receipt-page dialogs
// whose buttons the page keeps hidden.
void CVarnexDlg::BuildMaintenanceMenu() {
  maintenanceMenu_ = new QMenu(this);
  maintenanceMenu_->setObjectName(QStringLiteral("maintenance"));
  QAction* selfTest = maintenanceMenu_->addAction(QString());
  selfTest->setObjectName(QStringLiteral("selfTestSettings"));
  connect(selfTest, &QAction::triggered, receiptPage_, &receipt::ThermalSetDlg::OnSelfTestSettings);
  QAction* testSystem = maintenanceMenu_->addAction(QString());
  testSystem->setObjectName(QStringLiteral("testSystem"));
  connect(testSystem, &QAction::triggered, receiptPage_, &receipt::ThermalSetDlg::OnTestSystem);
}

void CVarnexDlg::AttachMenus() {
  menuBar_->clear();
  menuBar_->addMenu(languageMenu(texts_.language()));
  if (maintenanceMenu_ == nullptr) {
    return;
  }
  const bool chinese = texts_.language() == platform::UiLanguage::Chinese;
  maintenanceMenu_->setTitle(chinese ? QStringLiteral("维护(&M)")
                                     : QStringLiteral("Maintenance(&M)"));
  const QList<QAction*> items = maintenanceMenu_->actions();
  items[0]->setText(chinese ? QStringLiteral("自检页设置")
                            : QStringLiteral("Self-test page settings"));
  items[1]->setText(chinese ? QStringLiteral("打印机测试系统")
                            : QStringLiteral("Printer test system"));
  menuBar_->addMenu(maintenanceMenu_);
}

void CVarnexDlg::SetTabCaptions() {
  for (int i = 0; i < 4; ++i) {
    tabs_->setTabText(i, context_.Text(kTabCaptionIds[i]));
  }
}

void CVarnexDlg::SetBarTexts() {
  bar_->SetTexts(context_.Text(104), context_.Text(link_.connected() ? 106 : 105),
                 context_.Text(151), context_.Text(152));
}

void CVarnexDlg::OnConnect() {
  if (link_.connected()) {
    link_.Disconnect();
    bar_->ShowDisconnected(context_.Text(105));
    return;
  }
  if (link_.Connect(bar_->Inputs())) {
    bar_->ShowConnected(context_.Text(106));
  }
}

void CVarnexDlg::SwitchLanguage(platform::UiLanguage target) {
  if (texts_.language() == target) {
    ShowMenuChecks();  // undo the toggle of the clicked item
    return;
  }
  texts_.SetLanguage(target);
  languageShown_[static_cast<std::size_t>(MenuIndex(target))] = true;
  ShowMenuChecks();
  SetTabCaptions();
  SetBarTexts();
  pages_[0]->RefreshTexts();
  AttachMenus();
  pages_[2]->RefreshTexts();
  pages_[1]->RefreshTexts();
  pages_[3]->RefreshTexts();
}

bool CVarnexDlg::SendToPrinter(const std::uint8_t* bytes, std::int32_t count) {
  return link_.Send(bar_->Inputs(), bytes, count);
}

void CVarnexDlg::ShowMessage(int stringId) {
  context_.ShowMessage(this, stringId);
}

void CVarnexDlg::ConnectionDropped() {
  bar_->ShowDisconnected(context_.Text(105));
}

}  // namespace varnex::app
