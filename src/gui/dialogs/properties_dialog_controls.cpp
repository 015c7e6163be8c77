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

#include "gui/dialogs/properties_dialog.h"

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

void PropertiesDialog::BuildControls() {
  setWindowTitle("Properties");
  setAccessibleName("Properties");
  setModal(true);

  iconPicture_ = Named(new QLabel, "PicIcon", "Picture");
  iconPicture_->setFixedSize(132, 132);
  iconPicture_->setAlignment(Qt::AlignCenter);
  iconPicture_->setFrameShape(QFrame::StyledPanel);
  const char* iconTexts[] = {"&Change Icon", "&Reset Default Icon", "&Search Icon"};
  const char* iconNames[] = {"CmdIcon0", "CmdIcon1", "CmdIcon2"};
  auto* iconButtons = new QVBoxLayout;
  for (std::size_t i = 0; i < iconButtons_.size(); ++i) {
    iconButtons_[i] =
        Named(new QPushButton(iconTexts[i]), iconNames[i], QString(iconTexts[i]).remove('&'));
    iconButtons->addWidget(iconButtons_[i]);
  }
  iconButtons->addStretch();
  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(iconPicture_);
  pictureRow->addSpacing(12);
  pictureRow->addLayout(iconButtons);
  pictureRow->addStretch();

  const char* typeTexts[] = {"Shortcut", "Group", "System"};
  const char* typeNames[] = {"OptType0", "OptType1", "OptType2"};
  auto* typeRow = new QHBoxLayout;
  auto* typeGroup = new QButtonGroup(this);
  for (std::size_t i = 0; i < typeOptions_.size(); ++i) {
    typeOptions_[i] = Named(new QRadioButton(typeTexts[i]), typeNames[i], typeTexts[i]);
    typeGroup->addButton(typeOptions_[i], static_cast<int>(i));
    typeRow->addWidget(typeOptions_[i]);
  }
  typeRow->addStretch();

  linkList_ = Named(new QComboBox, "CombLink", "Link");
  linkList_->setEditable(true);
  linkList_->setInsertPolicy(QComboBox::NoInsert);
  linkList_->setMinimumWidth(kFieldWidth);
  linkList_->lineEdit()->setAccessibleName("Link");
  browseButton_ = Named(new QPushButton("Browse..."), "CmdBrowse", "Browse");
  auto* linkRow = new QHBoxLayout;
  linkRow->addWidget(linkList_, 1);
  linkRow->addWidget(browseButton_);

  targetEdit_ = Named(new QLineEdit, "TxtTarget", "Target");
  argumentsEdit_ = Named(new QLineEdit, "TxtArg", "Arguments");
  titleEdit_ = Named(new QLineEdit, "TxtTitle", "Title");
  runStyleList_ = Named(new QComboBox, "CombRun", "Run");
  runStyleList_->addItems({"Normal Window", "Minimized", "Maximized"});

  auto* typeLabel = new QLabel("Type:");
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(typeLabel, typeRow);
  form->addRow(LabelFor("Link:", linkList_), linkRow);
  form->addRow(LabelFor("Target:", targetEdit_), targetEdit_);
  form->addRow(LabelFor("Arguments:", argumentsEdit_), argumentsEdit_);
  form->addRow(LabelFor("Title:", titleEdit_), titleEdit_);
  form->addRow(LabelFor("Run:", runStyleList_), runStyleList_);

  auto* page = new QWidget;
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addLayout(pictureRow);
  pageLayout->addSpacing(8);
  pageLayout->addLayout(form);
  pageLayout->addStretch();
  auto* tabs = Named(new QTabWidget, "TabStrip1", "General");
  tabs->addTab(page, "General");
  tabs->setFocusPolicy(Qt::NoFocus);

  okButton_ = Named(new QPushButton("&OK"), "CmdOK", "OK");
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(okButton_, QDialogButtonBox::AcceptRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  // Only a button already inside the dialog becomes its default.
  okButton_->setDefault(true);

  setTabOrder(typeOptions_[0], typeOptions_[1]);
  setTabOrder(typeOptions_[1], typeOptions_[2]);
  setTabOrder(typeOptions_[2], linkList_);
  setTabOrder(linkList_, browseButton_);
  setTabOrder(browseButton_, targetEdit_);
  setTabOrder(targetEdit_, argumentsEdit_);
  setTabOrder(argumentsEdit_, titleEdit_);
  setTabOrder(titleEdit_, runStyleList_);
  setTabOrder(runStyleList_, iconButtons_[0]);
  setTabOrder(iconButtons_[0], iconButtons_[1]);
  setTabOrder(iconButtons_[1], iconButtons_[2]);
  setTabOrder(iconButtons_[2], okButton_);
}

void PropertiesDialog::ConnectControls() {
  // A choice made by a click, a key or a screen reader's Toggle or selection: not every way
  // emits a click or an activation, every way changes the state.
  for (std::size_t i = 0; i < typeOptions_.size(); ++i) {
    connect(typeOptions_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on && !reloading_) OptTypeClick(static_cast<int>(i));
    });
  }
  connect(linkList_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!reloading_) CombLinkClick(index);
  });
  connect(browseButton_, &QPushButton::clicked, this, [this] { CmdBrowseClick(); });
  for (std::size_t i = 0; i < iconButtons_.size(); ++i) {
    connect(iconButtons_[i], &QPushButton::clicked, this,
            [this, i] { CmdIconClick(static_cast<int>(i)); });
  }
  connect(okButton_, &QPushButton::clicked, this, [this] { CmdOKClick(); });
}

}  // namespace qav
