#pragma once
// The group menu as assistive technology sees it: a pop-up menu named after its group whose
// rows are menu items, one for every member, named by the member's title. The highlighted row,
// whether the pointer or the arrow keys moved it, is reported as the focused one.

namespace qav {

class GroupMenuWindow;

// Lets the accessibility layer describe every group menu; installing twice is harmless.
void InstallMenuAccessibility();
// Reports the highlighted member as focused, if a member row is highlighted.
void ReportRowFocus(GroupMenuWindow& menu);

}  // namespace qav
