#pragma once
// Opens something that answers by callback and waits, the event loop running,
// for its answer; one given inside the opening call fails the test.
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

template <class T, class Open>
T Await(Open open) {
  struct State { std::optional<T> answer; bool opening = true; };
  auto s = std::make_shared<State>();
  open([s](T answer) {
    EXPECT_FALSE(s->opening) << "answered inside the opening call";
    s->answer = std::move(answer);
  });
  s->opening = false;
  EXPECT_TRUE(QTest::qWaitFor([&] { return s->answer.has_value(); }, 15000)) << "no answer";
  return s->answer.value_or(T{});
}
