// The desktop's baton: only the thread holding it runs desktop code. A thread gives it back
// when it waits; the next runnable thread gets it in a fixed order, so a run is repeatable.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/desktop/clock.h"
#include "platform/desktop/wait_spec.h"

namespace desktop {

class SchedulerThread;

class Scheduler {
 public:
  explicit Scheduler(Clock& clock);
  ~Scheduler();
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  Clock& clock() { return clock_; }

  // A new thread joins; it runs when the baton reaches it (unless it starts suspended).
  void admit(SchedulerThread& thread, bool suspended);
  // Called on the thread itself: waits until it holds the baton.
  void wait_for_baton(SchedulerThread& self);
  // The thread is done with the desktop: it leaves and passes the baton on.
  void retire(SchedulerThread& self);

  // For the baton holder: wait for what the spec names, then hold the baton again.
  WakeResult block(SchedulerThread& self, const WaitSpec& spec);
  // For the baton holder: let every other runnable thread run first.
  void yield(SchedulerThread& self);

  void notify(SchedulerThread& thread, unsigned what);
  void notify_object(const void* object);
  // Starts a suspended thread; false when it was not suspended.
  bool resume(SchedulerThread& thread);
  // Marks a thread to end: it unwinds at its next wait.
  void terminate(SchedulerThread& thread);

  // From outside the desktop's threads: run work under the baton as soon as it can be had.
  void post_outside(std::function<void()> work);
  // From outside: wait until no thread is left.
  void wait_until_empty();

  bool holds_baton(const SchedulerThread& thread) const;

 private:
  using Lock = std::unique_lock<std::mutex>;

  void make_ready(Lock& lock, SchedulerThread& thread);
  void await_baton(Lock& lock, SchedulerThread& self);
  void pass_baton(Lock& lock);
  SchedulerThread* idle_waiter() const;
  std::optional<Tick> earliest_deadline() const;
  void wake_due(Lock& lock);
  void keeper_loop();

  Clock& clock_;
  mutable std::mutex mutex_;
  std::vector<SchedulerThread*> threads_;  // by thread id
  std::deque<SchedulerThread*> ready_;
  // Written under the mutex; a thread waiting for the baton may also spin on it briefly.
  std::atomic<SchedulerThread*> running_ = nullptr;
  bool keeper_holds_ = false;
  bool stopping_ = false;
  std::deque<std::function<void()>> inbox_;
  std::condition_variable keeper_cv_;
  std::condition_variable outside_cv_;
  std::thread keeper_;
};

// The scheduling half of a desktop thread.
class SchedulerThread {
 public:
  explicit SchedulerThread(unsigned long id) : id_(id) {}
  virtual ~SchedulerThread() = default;

  unsigned long id() const { return id_; }
  bool terminating() const { return terminating_.load(); }
  // Set while the thread cleans up after its entry returned: its waits then give up at once.
  void set_exiting() { exiting_ = true; }
  // Waiting for its queue (GetMessage, WaitMessage), not in the middle of work that sleeps or
  // waits for an object. For the baton holder to ask.
  bool waits_for_messages() const { return state_ == State::Waiting && (wait_.wake_on & kWakeOnPosted) != 0; }

 private:
  friend class Scheduler;
  enum class State { Ready, Running, Waiting, Suspended, Ended };

  unsigned long id_;
  State state_ = State::Ready;
  WaitSpec wait_;
  bool queued_ = false;
  std::atomic<bool> terminating_ = false;
  bool exiting_ = false;
  std::condition_variable cv_;
};

// Thrown at a wait of a thread that was told to end; its entry catches it.
struct ThreadTermination {};

}  // namespace desktop
