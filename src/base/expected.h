#pragma once
// The one way a call that can fail reports it: a value, or the reason there is none.

#include <string>
#include <utility>
#include <variant>

namespace anagrove {

// The reason a call failed; Expected takes it in place of a value.
template <class E> struct Failure { E reason; };
template <class E> Failure(E) -> Failure<E>;
inline Failure<std::string> FailureText(std::string text) {
    return {std::move(text)};
}

// A value of T, or the reason E that there is none. Nothing is thrown: read
// the value only after testing for it.
template <class T, class E = std::string> class [[nodiscard]] Expected {
  public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(Failure<E> failure) : state_(std::in_place_index<1>, std::move(failure.reason)) {}

    [[nodiscard]] bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] T& operator*() & { return *std::get_if<0>(&state_); }
    [[nodiscard]] const T& operator*() const& { return *std::get_if<0>(&state_); }
    [[nodiscard]] T* operator->() { return std::get_if<0>(&state_); }
    [[nodiscard]] const T* operator->() const { return std::get_if<0>(&state_); }
    [[nodiscard]] const E& error() const { return *std::get_if<1>(&state_); }

  private:
    std::variant<T, E> state_;
};

// For calls that give no value when they succeed.
struct Done {};

} // namespace anagrove
