#include "gui/group_menu/search_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

#include <algorithm>
#include <chrono>

#include "base/text.h"
#include "core/search/recent_files.h"
#include "core/search/search_sources.h"
#include "gui/graphics/imaging.h"
#include "gui/group_menu/menu_painting.h"
#include "gui/group_menu/search_accessible.h"
#include "gui/services/built_in_after_asking.h"
#include "gui/text/shown_titles.h"
#include "platform/files/bounded_read.h"

namespace qav {
namespace {

constexpr std::size_t kMaxResults = 200;
constexpr std::size_t kMaxRecentFiles = 200;
constexpr std::size_t kMaxIconFileBytes = 1u << 20;
constexpr int kSmallSlot = 4;
constexpr int kNormalSlot = 1;
constexpr int kPictureSize = 32;
constexpr double kTitleWidth = 183;
constexpr int kWatchMilliseconds = 100;
constexpr int kBottomMargin = 70;  // the lower arrow bar and cap of a scrolling list

long long Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// An icon file named by a desktop entry is the user's world: only a regular file, and only so
// much of it.
QImage IconFile(const std::string& path) {
  const auto bytes = platform::ReadWholeFile(path, kMaxIconFileBytes);
  if (!bytes) return {};
  return QImage::fromData(bytes->data(), static_cast<int>(bytes->size()));
}

bool IsRecordSource(search::Source source) {
  return source == search::Source::kRing || source == search::Source::kGroup ||
         source == search::Source::kCommand;
}

// The end of a query too long for its line, which is what the user is typing.
std::string ShownTail(const LayeredSurface& surface, std::string text, double width) {
  while (!text.empty() && !surface.MenuLabelFits(text, width)) {
    text = text.substr(std::max<std::size_t>(Utf8SequenceLength(text, 0), 1));
  }
  return text;
}

// Titles and origins the program gave (the built-in commands, the default groups, "Ring") in the
// user's language, as the ring and the menus show them; the English title is still matched.
void ShowInUsersLanguage(search::Candidate& c) {
  c.origin = ShownTitle(c.origin).toStdString();
  if (!IsRecordSource(c.source)) return;
  const std::string shown = ShownTitle(c.title).toStdString();
  if (shown == c.title) return;
  c.others.push_back(c.title);
  c.title = shown;
}

}  // namespace

SearchWindow::SearchWindow(AppState& state, const ImageTables& images, SearchServices services)
    : LayeredSurface(SurfaceKind::kMenu),
      state_(state),
      images_(images),
      services_(std::move(services)) {
  IniForm(WorkAreaRect(state_.screen));
  InstallSearchAccessibility();
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAccessibleName(QCoreApplication::translate("SearchWindow", "Search"));
  ShowThrough(services_.shape.Pixels());
  TakePlace(services_.shape);
  CreateGraphicOnFirstUse(state_.settings.Record.ClearType == 1);
  collator_.setNumericMode(true);
  watch_.setInterval(kWatchMilliseconds);
  // A window manager may take a moment to hand the keyboard from the dock to the search: only
  // a second round without an active window of this program means another one came to the front.
  QObject::connect(&watch_, &QTimer::timeout, [this] {
    const bool ours =
        QApplication::activeWindow() != nullptr || QApplication::activePopupWidget() != nullptr;
    inactiveRounds_ = ours ? 0 : inactiveRounds_ + 1;
    if (inactiveRounds_ >= 2) Close(true);
  });
}

const search::Candidate& SearchWindow::ResultAt(int index) const {
  return candidates_[hits_[static_cast<std::size_t>(index)].candidate];
}

// Everything is gathered when the search opens, so that the results keep still while the user
// types: the tables as they are now, the applications as last read, the desktop's recent files.
void SearchWindow::Gather() {
  candidates_ = search::ItemCandidates(state_.tables, state_.settings.IconCount);
  if (services_.applications) {
    if (const ApplicationList applications = services_.applications()) {
      candidates_.insert(candidates_.end(), applications->begin(), applications->end());
    }
  }
  if (!state_.paths.RecentFilesList.empty()) {
    const auto xbel =
        platform::ReadWholeTextFile(state_.paths.RecentFilesList, search::kMaxRecentFileBytes);
    if (xbel) {
      auto recent = search::RecentFileCandidates(*xbel, kMaxRecentFiles);
      candidates_.insert(candidates_.end(), recent.begin(), recent.end());
    }
  }
  candidates_ = search::WithoutApplicationsOfItems(std::move(candidates_), state_.tables);
  for (search::Candidate& c : candidates_) ShowInUsersLanguage(c);
  usage_ = search::LoadUsage(state_.paths.UsageFile);
  pictures_.clear();
}

void SearchWindow::OpenSearch(const std::string& text) {
  if (!shown_) {
    Gather();
    Relocate(WorkAreaRect(state_.screen));
    show();
    SetInputShape(services_.shape, {{0, 0, width(), height()}});
    Raise();
    Activate();
    setFocus();
    shown_ = true;
    inactiveRounds_ = 0;
    watch_.start();
  }
  SetQuery(text);
}

void SearchWindow::SetQuery(std::string query) {
  query_ = std::move(query);
  hits_.clear();
  if (!query_.empty()) {
    collator_.setLocale(QLocale());
    const search::TitleOrder byTitle = [this](const std::string& a, const std::string& b) {
      return collator_.compare(QString::fromStdString(a), QString::fromStdString(b));
    };
    hits_ = search::Rank(candidates_, query_, usage_, Now(), byTitle, kMaxResults);
  }
  LayOut();
  Draw();
  AnnounceResults(*this);
}

// The line lies over the dock's centre picture; the results hang under it, as many rows as the
// screen has room for.
void SearchWindow::LayOut() {
  const RingSlot& centre = state_.ring.Slots[0];
  const int x = centre.PlateLeft + centre.PlateSize / 2 - kMenuWidth / 2;
  const int lineY = centre.PlateTop + centre.PlateSize / 2 - MenuHeight(1, 1) / 2;
  line_ = LayOutMenu(x, lineY, 1, 1);
  const int top = line_.y + line_.Height();
  const int room = (height() - top - kBottomMargin) / kMenuRowHeight;
  const int rows = std::clamp(room, 1, std::max(state_.MenuRows, 1));
  const int count = static_cast<int>(hits_.size());
  results_ = LayOutMenu(x, top, count, rows);
  cursor_.Reset(count, results_.scrolling ? rows : std::max(count, 1));
}

void SearchWindow::Draw() {
  const QRect line(line_.x, line_.y, kMenuWidth, line_.Height());
  const QRect list(results_.x, results_.y, kMenuWidth, results_.Height());
  SetDrawnArea(hits_.empty() ? line : line.united(list));
  ClearAll();
  DrawLine();
  if (!hits_.empty()) DrawResults();
  Push(255);
}

void SearchWindow::DrawLine() {
  DrawMenuFrame({*this, images_, line_});
  const double left = line_.x + 16;
  const double top = line_.y + line_.RowTop(1) + 5;
  if (query_.empty()) {
    DrawLabel(QCoreApplication::translate("SearchWindow", "Type to search").toStdString(), left,
              top, 236, 28, true);
    return;
  }
  DrawLabel(ShownTail(*this, query_ + "|", 236), left, top, 236, 28, false);
}

void SearchWindow::DrawResults() {
  const MenuCanvas canvas{*this, images_, results_};
  DrawMenuFrame(canvas);
  if (results_.scrolling) {
    DrawMenuArrows(canvas, kSkinMenuUpUnselect, kSkinMenuDownUnselect, cursor_.CanScrollUp(),
                   cursor_.CanScrollDown());
  }
  const int highlighted = cursor_.HighlightedRow();
  if (highlighted >= 0) {
    DrawMenuSkin(canvas, kSkinMenuSelect, 1, 10, results_.RowTop(highlighted + 1));
  }
  for (int row = 0; row < cursor_.ShownRows(); ++row) DrawResult(row);
}

void SearchWindow::DrawResult(int row) {
  const int index = cursor_.Top() + row;
  const search::Candidate& c = ResultAt(index);
  const int x = results_.x;
  const int top = results_.y + results_.RowTop(row + 1);
  if (IsRecordSource(c.source)) {
    const ShortcutRecord& r = state_.tables.Shortcuts[static_cast<std::size_t>(c.reference)];
    DrawItemPicture(r.ImageRow, QRect(x + 13, top + 3, kPictureSize, kPictureSize));
  } else if (const QImage picture = Picture(c); !picture.isNull()) {
    Graphics().drawImage(QRect(x + 13, top + 3, kPictureSize, kPictureSize), picture);
  }
  DrawLabel(c.title, x + 48, top + 2, kTitleWidth, 19, false);
  DrawLabel(c.origin, x + 48, top + 19, kTitleWidth, 16, true);
  DrawLabel(MenuAccelerator(index + 1), x + 237, top + 5, 18, 28, false);
}

// Group members have their menu-sized picture; a ring place only its ring sizes, scaled down.
void SearchWindow::DrawItemPicture(int row, const QRect& box) {
  if (row < 0 || row >= static_cast<int>(images_.Items.size())) return;
  const ImageRow& pictures = images_.Items[static_cast<std::size_t>(row)];
  if (!pictures[kSmallSlot].isNull()) {
    DrawImage(Graphics(), images_.Items, row, kSmallSlot, box.x(), box.y(), box.width(),
              box.height());
    return;
  }
  QPainter& painter = Graphics();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(box, pictures[kNormalSlot]);
  painter.restore();
}

QImage SearchWindow::Picture(const search::Candidate& c) {
  const auto known = pictures_.find(c.key);
  if (known != pictures_.end()) return known->second;
  QImage picture;
  if (!c.icon.empty()) {
    picture = c.icon.front() == '/' ? IconFile(c.icon) : services_.icons.ThemeIcon(c.icon, 32);
  }
  if (picture.isNull()) picture = services_.icons.IconFor(c.target, kPictureSize);
  pictures_[c.key] = picture;
  return picture;
}

void SearchWindow::Close(bool leave) {
  if (!shown_) return;
  shown_ = false;
  watch_.stop();
  query_.clear();
  hits_.clear();
  cursor_.Reset(0, 1);
  ClearAndHide();
  Lower();
  pictures_.clear();
  if (services_.closed) services_.closed(leave);
}

void SearchWindow::FollowScreen() {
  Close(false);
  Relocate(WorkAreaRect(state_.screen));
}

void SearchWindow::Run(int index) {
  if (!shown_ || index < 0 || index >= static_cast<int>(hits_.size())) return;
  const search::Candidate chosen = ResultAt(index);
  RecordUse(chosen);
  Close(false);
  // Started from the event loop: what it opens (a group's menu, a question) is not opened
  // inside the key or click that chose it.
  QTimer::singleShot(0, this, [this, chosen] { Start(chosen); });
}

void SearchWindow::Start(const search::Candidate& c) {
  if (c.source == search::Source::kRing) {
    if (services_.pressRingSlot) services_.pressRingSlot(c.reference);
    return;
  }
  CommandContext commands = services_.commands();
  if (IsRecordSource(c.source)) {
    const ShortcutRecord& r = state_.tables.Shortcuts[static_cast<std::size_t>(c.reference)];
    if (r.IsBuiltIn != 0) {
      RunBuiltInAfterAsking(commands, r.CommandId);
    } else {
      LaunchShortcut(commands, c.reference);
    }
    return;
  }
  LaunchFile(commands, c.target, c.title);
}

// What the user starts ranks higher next time. Losing a count is harmless, so a file that
// cannot be written is only logged.
void SearchWindow::RecordUse(const search::Candidate& c) {
  search::RecordUse(usage_, c.key, Now());
  const Result saved = search::SaveUsage(services_.platform.files, state_.paths.UsageFile, usage_);
  if (!saved.Ok()) qWarning().noquote() << QString::fromStdString(saved.Error());
}

std::string SearchWindow::CountText() const {
  if (query_.empty())
    return QCoreApplication::translate("SearchWindow", "Type to search").toStdString();
  if (hits_.empty()) return QCoreApplication::translate("SearchWindow", "No results").toStdString();
  if (hits_.size() == 1)
    return QCoreApplication::translate("SearchWindow", "1 result").toStdString();
  return QCoreApplication::translate("SearchWindow", "%1 results").arg(hits_.size()).toStdString();
}

}  // namespace qav
