// The watch for notification areas, with the session bus and the X server replaced: nothing in
// it waits for an answer, and only what changes counts as an arrival.

#include "platform/linux/linux_tray_hosts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>
#include <vector>

namespace qav::platform {
namespace {

struct FakeQuestions {
  TrayQuestions Questions() {
    return {[this](std::function<void(const std::string&)> answer) {
              pending.push_back(std::move(answer));
            },
            [this] { return xembed; }};
  }
  std::vector<std::function<void(const std::string&)>> pending;
  std::uint32_t xembed = 0;
};

TEST(LinuxTrayHosts, KnowsWhatRunsFromItsLastLookAndAsksWithoutWaiting) {
  FakeQuestions bus;
  int arrivals = 0;
  auto hosts = std::make_unique<LinuxTrayHosts>(bus.Questions());
  EXPECT_FALSE(hosts->Available());
  hosts->Watch([&arrivals] { ++arrivals; });
  EXPECT_TRUE(bus.pending.empty());  // the first look runs from the event loop
  QCoreApplication::processEvents();
  ASSERT_EQ(bus.pending.size(), 1u);
  EXPECT_FALSE(hosts->Available());  // asked, not answered: nothing is waited for
  EXPECT_EQ(bus.pending.size(), 1u);

  bus.xembed = 7;
  bus.pending[0](":1.42");
  EXPECT_TRUE(hosts->Available());
  EXPECT_EQ(arrivals, 1);

  // A second watch asks anew; its answer, coming once it is gone, reaches nothing.
  auto again = std::make_unique<LinuxTrayHosts>(bus.Questions());
  again->Watch([&arrivals] { ++arrivals; });
  QCoreApplication::processEvents();
  ASSERT_EQ(bus.pending.size(), 2u);
  again.reset();
  bus.pending[1](":1.43");
  EXPECT_EQ(arrivals, 1);
}

}  // namespace
}  // namespace qav::platform
