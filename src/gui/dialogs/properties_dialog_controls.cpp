// The properties dialog's controls: a picture with its three buttons beside it, the type
// options, the link, target, arguments, title and window-style fields, and OK.

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
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

QString Text(const char* marked) {
  return QCoreApplication::translate("PropertiesDialog", marked);
}

// A form label that moves the focus to its field.
QLabel* LabelFor(const QString& text, QWidget* field) {
  auto* label = new QLabel(text);
  label->setBuddy(field);
  return label;
}

}  // namespace

void PropertiesDialog::BuildControls() {
  setWindowTitle(QCoreApplication::translate("PropertiesDialog", "Properties"));
  setAccessibleName(windowTitle());
  setModal(true);

  iconPicture_ =
      Named(new QLabel, "PicIcon", QCoreApplication::translate("PropertiesDialog", "Picture"));
  iconPicture_->setFixedSize(132, 132);
  iconPicture_->setAlignment(Qt::AlignCenter);
  iconPicture_->setFrameShape(QFrame::StyledPanel);
  const char* iconTexts[] = {QT_TRANSLATE_NOOP("PropertiesDialog", "&Change Icon"),
                             QT_TRANSLATE_NOOP("PropertiesDialog", "&Reset Default Icon"),
                             QT_TRANSLATE_NOOP("PropertiesDialog", "&Search Icon")};
  const char* iconNames[] = {"CmdIcon0", "CmdIcon1", "CmdIcon2"};
  auto* iconButtons = new QVBoxLayout;
  for (std::size_t i = 0; i < iconButtons_.size(); ++i) {
    const QString text = Text(iconTexts[i]);
    iconButtons_[i] = Named(new QPushButton(text), iconNames[i], QString(text).remove('&'));
    iconButtons->addWidget(iconButtons_[i]);
  }
  iconButtons->addStretch();
  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(iconPicture_);
  pictureRow->addSpacing(12);
  pictureRow->addLayout(iconButtons);
  pictureRow->addStretch();

  const char* typeTexts[] = {QT_TRANSLATE_NOOP("PropertiesDialog", "Shortcut"),
                             QT_TRANSLATE_NOOP("PropertiesDialog", "Group"),
                             QT_TRANSLATE_NOOP("PropertiesDialog", "System")};
  const char* typeNames[] = {"OptType0", "OptType1", "OptType2"};
  auto* typeRow = new QHBoxLayout;
  auto* typeGroup = new QButtonGroup(this);
  for (std::size_t i = 0; i < typeOptions_.size(); ++i) {
    typeOptions_[i] = Named(new QRadioButton(Text(typeTexts[i])), typeNames[i], Text(typeTexts[i]));
    typeGroup->addButton(typeOptions_[i], static_cast<int>(i));
    typeRow->addWidget(typeOptions_[i]);
  }
  typeRow->addStretch();

  linkList_ =
      Named(new QComboBox, "CombLink", QCoreApplication::translate("PropertiesDialog", "Link"));
  linkList_->setEditable(true);
  linkList_->setInsertPolicy(QComboBox::NoInsert);
  linkList_->setMinimumWidth(kFieldWidth);
  linkList_->lineEdit()->setAccessibleName(linkList_->accessibleName());
  browseButton_ =
      Named(new QPushButton(QCoreApplication::translate("PropertiesDialog", "Browse...")),
            "CmdBrowse", QCoreApplication::translate("PropertiesDialog", "Browse"));
  auto* linkRow = new QHBoxLayout;
  linkRow->addWidget(linkList_, 1);
  linkRow->addWidget(browseButton_);

  targetEdit_ =
      Named(new QLineEdit, "TxtTarget", QCoreApplication::translate("PropertiesDialog", "Target"));
  argumentsEdit_ =
      Named(new QLineEdit, "TxtArg", QCoreApplication::translate("PropertiesDialog", "Arguments"));
  titleEdit_ =
      Named(new QLineEdit, "TxtTitle", QCoreApplication::translate("PropertiesDialog", "Title"));
  runStyleList_ =
      Named(new QComboBox, "CombRun", QCoreApplication::translate("PropertiesDialog", "Run"));
  runStyleList_->addItems({QCoreApplication::translate("PropertiesDialog", "Normal Window"),
                           QCoreApplication::translate("PropertiesDialog", "Minimized"),
                           QCoreApplication::translate("PropertiesDialog", "Maximized")});

  auto* typeLabel = new QLabel(QCoreApplication::translate("PropertiesDialog", "Type:"));
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(typeLabel, typeRow);
  form->addRow(LabelFor(QCoreApplication::translate("PropertiesDialog", "Link:"), linkList_),
               linkRow);
  form->addRow(LabelFor(QCoreApplication::translate("PropertiesDialog", "Target:"), targetEdit_),
               targetEdit_);
  form->addRow(
      LabelFor(QCoreApplication::translate("PropertiesDialog", "Arguments:"), argumentsEdit_),
      argumentsEdit_);
  form->addRow(LabelFor(QCoreApplication::translate("PropertiesDialog", "Title:"), titleEdit_),
               titleEdit_);
  form->addRow(LabelFor(QCoreApplication::translate("PropertiesDialog", "Run:"), runStyleList_),
               runStyleList_);

  auto* page = new QWidget;
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addLayout(pictureRow);
  pageLayout->addSpacing(8);
  pageLayout->addLayout(form);
  pageLayout->addStretch();
  const QString general = QCoreApplication::translate("PropertiesDialog", "General");
  auto* tabs = Named(new QTabWidget, "TabStrip1", general);
  tabs->addTab(page, general);
  tabs->setFocusPolicy(Qt::NoFocus);

  okButton_ = Named(new QPushButton(QCoreApplication::translate("PropertiesDialog", "&OK")),
                    "CmdOK", QCoreApplication::translate("PropertiesDialog", "OK"));
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
