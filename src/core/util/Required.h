#pragma once
// A hook its owner cannot work without. It has no default, so a hook struct
// filled with designated initialisers does not build while one is missing,
// and an empty function handed in fails when the owner is built rather than
// the first time the hook is needed.
#include <functional>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace cvd {

template <typename Signature>
class Required : public std::function<Signature> {
 public:
  Required() = delete;
  // The constraint keeps copies and moves of a Required to their own
  // constructors.
  template <typename F>
  requires(!std::is_same_v<std::decay_t<F>, Required> && std::is_constructible_v<std::function<Signature>, F>)
      Required(F&& f)  // NOLINT(bugprone-forwarding-reference-overload): implicit, so lambdas fill a hook directly
      : std::function<Signature>(std::forward<F>(f)) {
    if (!*this) throw std::logic_error("a required hook was left empty");
  }
};

}  // namespace cvd
