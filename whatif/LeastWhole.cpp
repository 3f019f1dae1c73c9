// The search keeps a bracket: the largest number known not to hold and the least known to
// hold. Each trial goes where a straight line through the last two trials that did not hold
// reaches the target (a trial that holds measures nothing useful: the exit rib stops an arrow
// just past the chest, or it passes through). The measure is smooth near the answer, so a few
// trials usually close the bracket; when the guesses stop closing it quickly, halving takes
// over.
#include "whatif/LeastWhole.h"

#include "tools/Errors.h"

#include <algorithm>
#include <cmath>

namespace kesta::whatif {

namespace {

std::optional<int> Scan(const Search& s, const std::function<Trial(int)>& trial) {
    for (int n = s.low; n <= s.high; ++n) {
        try {
            const Trial t = trial(n);
            if (t.holds && !t.raised) return n;
        } catch (const RuntimeError&) {
            // Not known to be enough is not enough.
        }
    }
    return std::nullopt;
}

constexpr double kShort = 0.9;
// The trials spent near a start that is likely close to the answer before the measure steers.
constexpr int kNearTrials = 4;

struct Point {
    double n;
    double measure;
};

class Bracket {
  public:
    explicit Bracket(const Search& s)
        : s_(s), start_(std::clamp(s.start, s.low, s.high)), fails_(s.low - 1),
          holds_(s.high + 1) {}

    bool Open() const { return holds_ - fails_ > 1; }
    std::optional<int> Answer() const {
        if (holds_ > s_.high) return std::nullopt;
        return holds_;
    }

    int Next() const {
        if (trials_ == 0) return start_;
        // Near a start that is likely close: 1, 3, 7 away from it (each step twice the last),
        // for a few trials, downwards while every trial held, upwards while none did.
        if (s_.startIsNear && trials_ < kNearTrials) {
            if (fails_ < s_.low) return std::max(s_.low, holds_ - (start_ - holds_ + 1));
            if (holds_ > s_.high) return std::min(s_.high, fails_ + (fails_ - start_ + 1));
        }
        // Closed in near the start: the measure moves in steps too coarse to steer by.
        if (s_.startIsNear && fails_ >= s_.low && holds_ <= s_.high) return Halved();
        if (heldInARow_ >= 2 || trials_ >= 10) return Halved();
        const std::optional<double> aim = Aim();
        if (!aim || !std::isfinite(*aim) || *aim >= holds_) return Halved();
        // A trial that holds costs most (the arrow goes on through), and the measure grows
        // ever slower towards the answer, so a straight line overshoots: aim a little short.
        const double shortOf = fails_ + kShort * (*aim - fails_);
        const double next = std::max(std::floor(shortOf) + 1, double(fails_) + minStep_);
        return static_cast<int>(std::clamp(next, fails_ + 1.0, holds_ - 1.0));
    }

    void Record(int n, const Trial& t) {
        ++trials_;
        if (t.holds) {
            holds_ = n;
            ++heldInARow_;
            return;
        }
        heldInARow_ = 0;
        // The measure moves in steps (one pass of the run at a time): when the least step
        // forward fails, take longer ones.
        minStep_ = n - fails_ <= minStep_ ? 2 * minStep_ : 1;
        fails_ = n;
        if (!(t.measure > 0)) return; // the arrow did not get in: nothing to steer by
        if (lower_ && lower_->measure < t.measure) earlier_ = lower_;
        lower_ = Point{double(n), t.measure};
    }

  private:
    // Halving, or doubling while nothing is known to hold.
    int Halved() const {
        if (holds_ > s_.high) return std::min(s_.high, std::max(fails_ + 1, 2 * fails_));
        return fails_ + (holds_ - fails_) / 2;
    }

    // Where the line through the last two failing trials of different measures reaches the
    // target; with one, the number scaled as its measure falls short of the target.
    std::optional<double> Aim() const {
        if (!lower_) return std::nullopt;
        const Point& b = *lower_;
        if (earlier_) {
            const Point& a = *earlier_;
            return a.n + (s_.target - a.measure) * (b.n - a.n) / (b.measure - a.measure);
        }
        return b.n * (s_.target / b.measure);
    }

    const Search& s_;
    int start_;
    int fails_;                    // the largest number known not to hold
    int holds_;                    // the least number known to hold
    std::optional<Point> lower_;   // the last failing trial with a measure
    std::optional<Point> earlier_; // the one before it with a smaller measure
    int trials_ = 0;
    int heldInARow_ = 0;
    int minStep_ = 1;
};

// False as soon as a trial has raised; raises what a trial raises.
bool Close(const Search& s, const std::function<Trial(int)>& trial, std::optional<int>& answer) {
    if (s.low > s.high) return true;
    Bracket bracket(s);
    while (bracket.Open()) {
        const int n = bracket.Next();
        const Trial t = trial(n);
        if (t.raised) return false;
        bracket.Record(n, t);
    }
    answer = bracket.Answer();
    return true;
}

} // namespace

std::optional<int> LeastWhole(const Search& search, const std::function<Trial(int)>& trial) {
    std::optional<int> answer;
    try {
        if (Close(search, trial, answer)) return answer;
    } catch (const RuntimeError&) {
    }
    return Scan(search, trial);
}

} // namespace kesta::whatif
