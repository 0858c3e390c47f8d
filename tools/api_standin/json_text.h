// Text as a JSON string literal. Bytes outside printable ASCII are written as \u00XX, so
// any byte string (a deciphered value may hold anything) gives valid JSON.
#pragma once

#include <string>

std::string JsonQuote(const std::string& bytes);
