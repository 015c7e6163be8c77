#pragma once
// Type to search: a search line over the dock's centre and, under it, the results as the skin's
// menu draws a group (picture, title, greyed origin, letters 0-9 and A-Z), drawn on a full-screen
// layered surface of its own. It looks through the ring's items, the groups' members, the
// built-in commands, the installed applications and the desktop's recent files, and starts the
// chosen result as the dock would: a ring group opens as its menu, a command runs as a command.

#include <QCollator>
#include <QImage>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/menu_geometry/menu_layout.h"
#include "core/search/ranking.h"
#include "core/search/result_cursor.h"
#include "core/search/usage_file.h"
#include "core/shortcuts/commands.h"
#include "core/state/app_state.h"
#include "gui/graphics/image_tables.h"
#include "gui/graphics/layered_surface.h"
#include "gui/graphics/shell_icons.h"
#include "gui/services/window_services.h"
#include "platform/window_shape.h"

namespace qav {

using ApplicationList = std::shared_ptr<const std::vector<search::Candidate>>;

struct SearchServices {
  platform::Platform& platform;
  std::function<CommandContext()> commands;
  platform::WindowShape& shape;
  ShellIcons& icons;
  // The installed applications as they were last read.
  std::function<ApplicationList()> applications;
  // Presses ring place `slot` as its key letter does.
  std::function<void(int slot)> pressRingSlot;
  // The search has closed; `leave`: keyboard mode ends with it (the second Esc, a click beside).
  std::function<void(bool leave)> closed;
};

class SearchWindow final : public LayeredSurface, public SearchRequests {
 public:
  SearchWindow(AppState& state, const ImageTables& images, SearchServices services);

  void OpenSearch(const std::string& text) override;
  bool SearchShown() override { return shown_; }
  void CloseSearch() override { Close(false); }
  void ForwardSearchKey(QKeyEvent* event) override { keyPressEvent(event); }
  // The dock's screen changed: an open search closes and the window takes the new work area.
  void FollowScreen();

  // What assistive technology and tests read.
  const std::string& Query() const { return query_; }
  const std::vector<search::Candidate>& Candidates() const { return candidates_; }
  const std::vector<search::Hit>& Hits() const { return hits_; }
  const search::ResultCursor& Cursor() const { return cursor_; }
  const MenuGeometry& LineGeometry() const { return line_; }
  const MenuGeometry& ResultGeometry() const { return results_; }
  const search::Candidate& ResultAt(int index) const;
  // Starts result `index` (0-based) after closing the search.
  void Run(int index);
  // The text under which the row count is announced.
  std::string CountText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Gather();
  void SetQuery(std::string query);
  void LayOut();
  void Draw();
  void DrawLine();
  void DrawResults();
  void DrawResult(int row);
  QImage Picture(const search::Candidate& candidate);
  void DrawItemPicture(int row, const QRect& box);
  void Close(bool leave);
  void Start(const search::Candidate& candidate);
  void RecordUse(const search::Candidate& candidate);
  bool EditKey(QKeyEvent* event);
  bool ListKey(QKeyEvent* event);
  int RowAt(QPoint at) const;
  void CursorMoved();

  AppState& state_;
  const ImageTables& images_;
  SearchServices services_;
  QCollator collator_;
  QTimer watch_;  // another program came to the front: the search closes
  int inactiveRounds_ = 0;
  bool shown_ = false;
  std::string query_;
  std::vector<search::Candidate> candidates_;
  search::UsageTable usage_;
  std::vector<search::Hit> hits_;
  search::ResultCursor cursor_;
  MenuGeometry line_;
  MenuGeometry results_;
  std::map<std::string, QImage> pictures_;  // by candidate key, while the search is open
};

}  // namespace qav
