#include "platform/desktop/scheduler.h"

#include <algorithm>
#include <chrono>
#include <exception>

namespace desktop {

Scheduler::Scheduler(Clock& clock) : clock_(clock), keeper_([this] { keeper_loop(); }) {}

Scheduler::~Scheduler() {
  {
    Lock lock(mutex_);
    stopping_ = true;
  }
  keeper_cv_.notify_all();
  keeper_.join();
}

void Scheduler::admit(SchedulerThread& thread, bool suspended) {
  Lock lock(mutex_);
  auto at =
      std::lower_bound(threads_.begin(), threads_.end(), &thread,
                       [](const SchedulerThread* a, const SchedulerThread* b) { return a->id_ < b->id_; });
  threads_.insert(at, &thread);
  thread.state_ = suspended ? SchedulerThread::State::Suspended : SchedulerThread::State::Waiting;
  if (!suspended) make_ready(lock, thread);
  if (running_ == nullptr && !keeper_holds_) pass_baton(lock);
}

void Scheduler::wait_for_baton(SchedulerThread& self) {
  Lock lock(mutex_);
  await_baton(lock, self);
}

void Scheduler::await_baton(Lock& lock, SchedulerThread& self) {
  if (running_ != &self) {
    // The baton usually comes back within microseconds; spinning a little saves a sleep and
    // a wake-up of the thread.
    lock.unlock();
    auto give_up = std::chrono::steady_clock::now() + std::chrono::microseconds(50);
    for (unsigned spin = 1; running_.load(std::memory_order_acquire) != &self; ++spin)
      if (spin % 64 == 0 && std::chrono::steady_clock::now() > give_up) break;
    lock.lock();
    self.cv_.wait(lock, [&] { return running_ == &self; });
  }
  self.state_ = SchedulerThread::State::Running;
}

void Scheduler::retire(SchedulerThread& self) {
  Lock lock(mutex_);
  self.state_ = SchedulerThread::State::Ended;
  threads_.erase(std::remove(threads_.begin(), threads_.end(), &self), threads_.end());
  ready_.erase(std::remove(ready_.begin(), ready_.end(), &self), ready_.end());
  if (running_ == &self) {
    running_ = nullptr;
    pass_baton(lock);
  }
  outside_cv_.notify_all();
}

WakeResult Scheduler::block(SchedulerThread& self, const WaitSpec& spec) {
  auto abandon = [&self] {
    // A thread told to end unwinds from its next wait; waits during the unwinding return at once.
    if (std::uncaught_exceptions() == 0 && !self.exiting_) throw ThreadTermination{};
    return WakeResult::Abandoned;
  };
  if (self.terminating()) return abandon();
  {
    Lock lock(mutex_);
    self.state_ = SchedulerThread::State::Waiting;
    self.wait_ = spec;
    running_ = nullptr;
    pass_baton(lock);
    await_baton(lock, self);
  }
  if (self.terminating()) return abandon();
  return WakeResult::Woken;
}

void Scheduler::yield(SchedulerThread& self) {
  Lock lock(mutex_);
  if (ready_.empty()) return;
  self.state_ = SchedulerThread::State::Waiting;
  self.wait_ = {};
  make_ready(lock, self);
  running_ = nullptr;
  pass_baton(lock);
  await_baton(lock, self);
}

void Scheduler::notify(SchedulerThread& thread, unsigned what) {
  Lock lock(mutex_);
  if (thread.state_ == SchedulerThread::State::Waiting && (thread.wait_.wake_on & what) != 0)
    make_ready(lock, thread);
}

void Scheduler::notify_object(const void* object) {
  Lock lock(mutex_);
  for (SchedulerThread* thread : threads_) {
    if (thread->state_ != SchedulerThread::State::Waiting || (thread->wait_.wake_on & kWakeOnObject) == 0)
      continue;
    const auto& objects = thread->wait_.objects;
    if (std::find(objects.begin(), objects.end(), object) != objects.end()) make_ready(lock, *thread);
  }
}

bool Scheduler::resume(SchedulerThread& thread) {
  Lock lock(mutex_);
  if (thread.state_ != SchedulerThread::State::Suspended) return false;
  thread.state_ = SchedulerThread::State::Waiting;
  thread.wait_ = {};
  make_ready(lock, thread);
  if (running_ == nullptr && !keeper_holds_) pass_baton(lock);
  return true;
}

void Scheduler::terminate(SchedulerThread& thread) {
  Lock lock(mutex_);
  thread.terminating_ = true;
  if (thread.state_ == SchedulerThread::State::Suspended) thread.state_ = SchedulerThread::State::Waiting;
  make_ready(lock, thread);
  if (running_ == nullptr && !keeper_holds_) pass_baton(lock);
}

void Scheduler::post_outside(std::function<void()> work) {
  Lock lock(mutex_);
  inbox_.push_back(std::move(work));
  if (running_ == nullptr && !keeper_holds_) keeper_holds_ = true;
  keeper_cv_.notify_one();
}

void Scheduler::wait_until_empty() {
  Lock lock(mutex_);
  outside_cv_.wait(lock, [&] { return threads_.empty(); });
}

bool Scheduler::holds_baton(const SchedulerThread& thread) const {
  Lock lock(mutex_);
  return running_ == &thread;
}

void Scheduler::make_ready(Lock&, SchedulerThread& thread) {
  if (thread.state_ != SchedulerThread::State::Waiting || thread.queued_) return;
  thread.state_ = SchedulerThread::State::Ready;
  thread.queued_ = true;
  ready_.push_back(&thread);
}

void Scheduler::pass_baton(Lock& lock) {
  for (;;) {
    if (!inbox_.empty()) {
      keeper_holds_ = true;
      keeper_cv_.notify_one();
      return;
    }
    if (!ready_.empty()) {
      SchedulerThread* next = ready_.front();
      ready_.pop_front();
      next->queued_ = false;
      running_ = next;
      next->cv_.notify_one();
      return;
    }
    if (SchedulerThread* waiter = idle_waiter()) {
      make_ready(lock, *waiter);
      continue;
    }
    if (auto deadline = earliest_deadline()) {
      clock_.jump_to(*deadline);
      if (*deadline <= clock_.now()) {
        wake_due(lock);
        continue;
      }
    }
    // Nothing can run now: the keeper waits for the next deadline or for work from outside.
    keeper_cv_.notify_one();
    outside_cv_.notify_all();
    return;
  }
}

SchedulerThread* Scheduler::idle_waiter() const {
  for (SchedulerThread* thread : threads_)
    if (thread->state_ == SchedulerThread::State::Waiting && (thread->wait_.wake_on & kWakeOnIdle) != 0)
      return thread;
  return nullptr;
}

std::optional<Tick> Scheduler::earliest_deadline() const {
  std::optional<Tick> earliest;
  for (const SchedulerThread* thread : threads_) {
    if (thread->state_ != SchedulerThread::State::Waiting || !thread->wait_.deadline) continue;
    if (!earliest || *thread->wait_.deadline < *earliest) earliest = thread->wait_.deadline;
  }
  return earliest;
}

void Scheduler::wake_due(Lock& lock) {
  const Tick now = clock_.now();
  std::vector<SchedulerThread*> due;
  for (SchedulerThread* thread : threads_)
    if (thread->state_ == SchedulerThread::State::Waiting && thread->wait_.deadline &&
        *thread->wait_.deadline <= now)
      due.push_back(thread);
  std::stable_sort(due.begin(), due.end(), [](const SchedulerThread* a, const SchedulerThread* b) {
    return *a->wait_.deadline < *b->wait_.deadline;
  });
  for (SchedulerThread* thread : due)
    make_ready(lock, *thread);
}

void Scheduler::keeper_loop() {
  Lock lock(mutex_);
  for (;;) {
    if (keeper_holds_) {
      while (!inbox_.empty()) {
        auto work = std::move(inbox_.front());
        inbox_.pop_front();
        lock.unlock();
        work();
        lock.lock();
      }
      keeper_holds_ = false;
      if (running_ == nullptr) pass_baton(lock);
      continue;
    }
    if (stopping_) return;
    if (running_ == nullptr && !clock_.is_virtual()) {
      auto deadline = earliest_deadline();
      if (deadline && *deadline <= clock_.now()) {
        wake_due(lock);
        pass_baton(lock);
        continue;
      }
      if (deadline)
        keeper_cv_.wait_until(lock, clock_.real_time_of(*deadline));
      else
        keeper_cv_.wait(lock);
      continue;
    }
    keeper_cv_.wait(lock);
  }
}

}  // namespace desktop
