#pragma once
#include <functional>
#include <utility>

// Every sleep, pumped wait and timer interval of the window goes through here,
// so that tests can run a long procedure in a fraction of its real time.
class Pacing {
 public:
  enum class Wait { Sleep, Pumped };
  // Told of every sleep and pumped wait asked for, in unscaled milliseconds,
  // before it is made: tests learn what a procedure waited for without timing it.
  using WaitObserver = std::function<void(Wait, int ms)>;

  // 1 is real time; 0.01 runs a hundred times faster.
  void SetScale(double scale) { scale_ = scale; }
  double Scale() const { return scale_; }
  void SetWaitObserver(WaitObserver observer) { observer_ = std::move(observer); }

  // The scaled interval in milliseconds; never 0 for a positive one, so a
  // timer cannot spin.
  int Interval(int ms) const;
  // Blocks the thread without processing events, for the scaled time to the
  // microsecond: a procedure that sleeps 1 ms thousands of times stays short
  // under a small scale.
  void Sleep(int ms) const;
  // Processes pending window events until the scaled time has passed.
  void PumpedWait(int ms) const;

 private:
  void Tell(Wait wait, int ms) const {
    if (observer_) observer_(wait, ms);
  }

  double scale_ = 1.0;
  WaitObserver observer_;
};
