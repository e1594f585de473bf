// A double written for people: plain between 0.001 and a million, otherwise scaled and named in words
// ("2.5 million", "3 millionth") or with a metric prefix ("2.5 mega", "2.5 micro").
#pragma once

// The result lives in one of two buffers used in turn, so the last two results stay valid.
const char* FormatDouble(double value, bool metric);
