#pragma once
// The product's own web pages, kept in one place: the tooltip names the home address and the
// tray menu opens the other two.

namespace qav {

struct ProductSite {
  const char* home;
  const char* index;
  const char* faq;
};

inline constexpr ProductSite kProductSite{"http://www.brevona.com/",
                                          "http://www.brevona.com/qav-launcher/index.html",
                                          "http://www.brevona.com/qav-launcher/faq.html"};

}  // namespace qav
