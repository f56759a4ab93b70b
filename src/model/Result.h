// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <concepts>
#include <optional>
#include <utility>
#include <variant>

namespace orva {

// Success, or the error `E` that stopped an operation. Cannot be dropped unread: a failure
// that nobody looks at is a failure reported as success.
template <class E>
class [[nodiscard]] Status {
  public:
    constexpr Status() = default;
    // A failure converts, as does anything that converts to one.
    template <class F>
    requires std::convertible_to<F, E>
    constexpr Status(F error) : error_(E(error)) {}

    constexpr bool Ok() const { return !error_.has_value(); }
    constexpr explicit operator bool() const { return Ok(); }
    // The failure; only when !Ok().
    constexpr E Error() const { return *error_; }

    constexpr bool operator==(const Status&) const = default;

  private:
    std::optional<E> error_;
};

// A value `T`, or the error `E` that kept it from being made. Cannot be dropped unread.
template <class T, class E>
class [[nodiscard]] Result {
  public:
    constexpr Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    constexpr Result(E error) : state_(std::in_place_index<1>, error) {}
    // The failure of a Status passed on; `status` must have failed.
    constexpr Result(Status<E> status) : state_(std::in_place_index<1>, status.Error()) {}

    constexpr bool Ok() const { return state_.index() == 0; }
    constexpr explicit operator bool() const { return Ok(); }
    // The value; only when Ok().
    constexpr const T& Value() const& { return std::get<0>(state_); }
    constexpr T& Value() & { return std::get<0>(state_); }
    constexpr T&& Value() && { return std::get<0>(std::move(state_)); }
    constexpr const T& operator*() const& { return Value(); }
    constexpr const T* operator->() const { return &Value(); }
    // The failure; only when !Ok().
    constexpr E Error() const { return std::get<1>(state_); }
    // The value, or `fallback` on a failure.
    constexpr T ValueOr(T fallback) const { return Ok() ? Value() : std::move(fallback); }
    // Success or the failure, without the value.
    constexpr Status<E> AsStatus() const { return Ok() ? Status<E>() : Status<E>(Error()); }

    constexpr bool operator==(const Result& other) const requires std::equality_comparable<T> {
        return state_ == other.state_;
    }
    // A bare value on the right could be a value or a code: say which by making it a Result.
    bool operator==(const T&) const = delete;

  private:
    std::variant<T, E> state_;
};

}  // namespace orva
