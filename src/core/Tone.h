#pragma once

// The signal colours a rule can give what it judges: a rating, a measurement, an issue, an event.
// The views draw each in a shade that suits the window, darker on light windows and brighter on
// dark ones.
enum class Tone { green, yellow, orange, red, blue, gray, cyan, purple };
