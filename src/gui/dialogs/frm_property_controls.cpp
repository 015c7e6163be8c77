// The properties dialog's controls: a picture with its three buttons beside it, the type
// options, the link, target, arguments, title and window-style fields, and OK.

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/dialogs/frm_property.h"

namespace qav {
namespace {

constexpr int kFieldWidth = 360;

template <typename Control>
Control* Named(Control* control, const char* objectName, const QString& accessibleName) {
  control->setObjectName(objectName);
  control->setAccessibleName(accessibleName);
  return control;
}

// A form label that moves the focus to its field.
QLabel* LabelFor(const char* text, QWidget* field) {
  auto* label = new QLabel(text);
  label->setBuddy(field);
  return label;
}

}  // namespace

void FrmProperty::BuildControls() {
  setWindowTitle("Properties");
  setAccessibleName("Properties");
  setModal(true);

  picIcon_ = Named(new QLabel, "PicIcon", "Picture");
  picIcon_->setFixedSize(132, 132);
  picIcon_->setAlignment(Qt::AlignCenter);
  picIcon_->setFrameShape(QFrame::StyledPanel);
  const char* iconTexts[] = {"&Change Icon", "&Reset Default Icon", "&Search Icon"};
  const char* iconNames[] = {"CmdIcon0", "CmdIcon1", "CmdIcon2"};
  auto* iconButtons = new QVBoxLayout;
  for (std::size_t i = 0; i < cmdIcon_.size(); ++i) {
    cmdIcon_[i] =
        Named(new QPushButton(iconTexts[i]), iconNames[i], QString(iconTexts[i]).remove('&'));
    iconButtons->addWidget(cmdIcon_[i]);
  }
  iconButtons->addStretch();
  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(picIcon_);
  pictureRow->addSpacing(12);
  pictureRow->addLayout(iconButtons);
  pictureRow->addStretch();

  const char* typeTexts[] = {"Shortcut", "Group", "System"};
  const char* typeNames[] = {"OptType0", "OptType1", "OptType2"};
  auto* typeRow = new QHBoxLayout;
  auto* typeGroup = new QButtonGroup(this);
  for (std::size_t i = 0; i < optType_.size(); ++i) {
    optType_[i] = Named(new QRadioButton(typeTexts[i]), typeNames[i], typeTexts[i]);
    typeGroup->addButton(optType_[i], static_cast<int>(i));
    typeRow->addWidget(optType_[i]);
  }
  typeRow->addStretch();

  combLink_ = Named(new QComboBox, "CombLink", "Link");
  combLink_->setEditable(true);
  combLink_->setInsertPolicy(QComboBox::NoInsert);
  combLink_->setMinimumWidth(kFieldWidth);
  combLink_->lineEdit()->setAccessibleName("Link");
  cmdBrowse_ = Named(new QPushButton("Browse..."), "CmdBrowse", "Browse");
  auto* linkRow = new QHBoxLayout;
  linkRow->addWidget(combLink_, 1);
  linkRow->addWidget(cmdBrowse_);

  txtTarget_ = Named(new QLineEdit, "TxtTarget", "Target");
  txtArg_ = Named(new QLineEdit, "TxtArg", "Arguments");
  txtTitle_ = Named(new QLineEdit, "TxtTitle", "Title");
  combRun_ = Named(new QComboBox, "CombRun", "Run");
  combRun_->addItems({"Normal Window", "Minimized", "Maximized"});

  auto* typeLabel = new QLabel("Type:");
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(typeLabel, typeRow);
  form->addRow(LabelFor("Link:", combLink_), linkRow);
  form->addRow(LabelFor("Target:", txtTarget_), txtTarget_);
  form->addRow(LabelFor("Arguments:", txtArg_), txtArg_);
  form->addRow(LabelFor("Title:", txtTitle_), txtTitle_);
  form->addRow(LabelFor("Run:", combRun_), combRun_);

  auto* page = new QWidget;
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addLayout(pictureRow);
  pageLayout->addSpacing(8);
  pageLayout->addLayout(form);
  pageLayout->addStretch();
  auto* tabs = Named(new QTabWidget, "TabStrip1", "General");
  tabs->addTab(page, "General");
  tabs->setFocusPolicy(Qt::NoFocus);

  cmdOK_ = Named(new QPushButton("&OK"), "CmdOK", "OK");
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(cmdOK_, QDialogButtonBox::AcceptRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  // Only a button already inside the dialog becomes its default.
  cmdOK_->setDefault(true);

  setTabOrder(optType_[0], optType_[1]);
  setTabOrder(optType_[1], optType_[2]);
  setTabOrder(optType_[2], combLink_);
  setTabOrder(combLink_, cmdBrowse_);
  setTabOrder(cmdBrowse_, txtTarget_);
  setTabOrder(txtTarget_, txtArg_);
  setTabOrder(txtArg_, txtTitle_);
  setTabOrder(txtTitle_, combRun_);
  setTabOrder(combRun_, cmdIcon_[0]);
  setTabOrder(cmdIcon_[0], cmdIcon_[1]);
  setTabOrder(cmdIcon_[1], cmdIcon_[2]);
  setTabOrder(cmdIcon_[2], cmdOK_);
}

void FrmProperty::ConnectControls() {
  // A choice made by a click, a key or a screen reader's Toggle or selection: not every way
  // emits a click or an activation, every way changes the state.
  for (std::size_t i = 0; i < optType_.size(); ++i) {
    connect(optType_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on && !reloading_) OptTypeClick(static_cast<int>(i));
    });
  }
  connect(combLink_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!reloading_) CombLinkClick(index);
  });
  connect(cmdBrowse_, &QPushButton::clicked, this, [this] { CmdBrowseClick(); });
  for (std::size_t i = 0; i < cmdIcon_.size(); ++i) {
    connect(cmdIcon_[i], &QPushButton::clicked, this,
            [this, i] { CmdIconClick(static_cast<int>(i)); });
  }
  connect(cmdOK_, &QPushButton::clicked, this, [this] { CmdOKClick(); });
}

}  // namespace qav
