#pragma once
// Seeded random sequences of the model's commands, now and then with a bad
// argument, Undo or Redo among them; afterwards everything is undone step by
// step and redone again. Every state is compared with the one saved when the
// same undo step was on top, byte for byte as the project file holds it (id
// counters aside: undo never gives ids back; the groups' ids of deleted
// members added), and no record may name one that is gone. A command that
// changes nothing must file no undo step and keep the redo history; one that
// changes something must file one. Shared by the test (a few hundred
// sequences) and the benchmark (the long run).

#include <string>

// Runs the sequence of the seed; returns the first broken rule, with the seed
// and the step, or an empty text.
std::string RunCommandSequence(unsigned seed, int steps);
