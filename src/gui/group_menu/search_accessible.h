#pragma once
// Assistive technology's view of the search: the search line (an editable text named "Search"
// whose description is the number of results) and one list item per result, named by its title
// and described by where it comes from.

namespace qav {

class SearchWindow;

// Registers the factory that gives search windows their accessible view; once per program.
void InstallSearchAccessibility();

// Tells assistive technology the number of results (the line's description and the window's
// name change) after the query changed.
void AnnounceResults(SearchWindow& search);

// The highlighted result has the focus (the line when there is none).
void ReportResultFocus(SearchWindow& search);

}  // namespace qav
