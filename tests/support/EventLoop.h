#pragma once
// An event loop for the core tests of what arrives from other threads or is deferred to the next
// turn of the loop: an application for the test suite and a wait that keeps the loop running.

#include <QCoreApplication>

#include <chrono>
#include <functional>
#include <memory>

namespace zelkor::test {

// The suite's application; created by the fixture, gone with it.
std::unique_ptr<QCoreApplication> MakeCoreApplication();

// Runs the event loop until the condition holds; false when it still doesn't after the limit,
// which only a fault reaches.
bool RunUntil(const std::function<bool()>& condition,
              std::chrono::milliseconds limit = std::chrono::seconds(10));
// Runs the event loop for a while, for what must not happen meanwhile.
void RunFor(std::chrono::milliseconds interval);

}  // namespace zelkor::test
