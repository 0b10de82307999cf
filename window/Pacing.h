#pragma once

// Every sleep, pumped wait and timer interval of the window goes through here,
// so that tests can run a long procedure in a fraction of its real time.
class Pacing {
 public:
  // 1 is real time; 0.01 runs a hundred times faster.
  void SetScale(double scale) { scale_ = scale; }
  double Scale() const { return scale_; }

  // The scaled interval in milliseconds; never 0 for a positive one, so a
  // timer cannot spin.
  int Interval(int ms) const;
  // Blocks the thread without processing events.
  void Sleep(int ms) const;
  // Processes pending window events until the scaled time has passed.
  void PumpedWait(int ms) const;

 private:
  double scale_ = 1.0;
};
