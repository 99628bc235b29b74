// Long walks through the screens: the loop must not need more stack the
// more screens the user visits.
#include <gtest/gtest.h>
#include <pthread.h>

#include "app/app.h"
#include "small_book.h"

namespace kestrel {
namespace {

constexpr std::size_t kSmallStack = 256 * 1024;

// Runs the function on a thread whose stack is only kSmallStack bytes.
void runOnSmallStack(void (*function)(void*), void* argument) {
  struct Call {
    void (*function)(void*);
    void* argument;
  } call{function, argument};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, kSmallStack), 0);
  pthread_t thread;
  ASSERT_EQ(pthread_create(
                &thread, &attributes,
                [](void* raw) -> void* {
                  auto* c = static_cast<Call*>(raw);
                  c->function(c->argument);
                  return nullptr;
                },
                &call),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

TEST(ScreenWalkTest, ThousandsOfStepsOnASmallStackEndAtTheMenu) {
  SmallBook book(numberedRecords(3));
  // Select record 1, then 5,000 steps forth and back, then back to the menu
  // and out.
  book.console.addKeys("2");
  book.console.addLine("1");
  std::string steps;
  for (int i = 0; i < 2500; ++i) {
    steps += "nb";
  }
  book.console.addKeys(steps + "xx");
  runOnSmallStack(
      [](void* program) { runScreens(*static_cast<Program*>(program), screen::MainMenu{}); },
      &book.program);
  EXPECT_EQ(book.console.keysLeft(), 0u);
  const std::string& transcript = book.console.transcript();
  EXPECT_TRUE(transcript.ends_with("Enjoy your reading!\n\n\n"))
      << transcript.substr(transcript.size() - 200);
}

}  // namespace
}  // namespace kestrel
