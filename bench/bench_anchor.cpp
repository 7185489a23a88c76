// Benchmarks live beside this file, one file per subject.
