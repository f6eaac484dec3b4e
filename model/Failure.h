#pragma once
// The failures program code raises and never catches: the error guard of the user-interface layer
// shows their message in the application's error box.

#include <stdexcept>
#include <string>

namespace model {

// Base of every failure whose message is meant for the pupil (UTF-8, French).
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not the number it was expected to be.
class ConversionError : public Failure {
public:
    using Failure::Failure;
};

} // namespace model
