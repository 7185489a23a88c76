#pragma once
// What a project file read into a fresh model must satisfy before that model
// may replace the open one, and the repairs a sound file still gets.

class CSectModel;

// Units, tolerance, angle step, grid and next-id counters in range; throws
// ProjectFileDamaged otherwise.
void CheckProjectSettings(const CSectModel& model);

// Every record that is built from others finds them: a curve its points, a
// closed loop its curves, a section its model curves, and inside a section a
// domain its loops, a loop its curves, a curve its points and a facet its
// points. Throws ProjectFileDamaged otherwise. Links that the model tolerates
// (material ids, owning sections, centroid points, group members) are not
// checked.
void CheckProjectReferences(const CSectModel& model);

// Raises every next-id counter, the model's and each section's, past the
// highest id of its kind, so that a later create can never collide.
void RaiseIdCountersPastIds(CSectModel& model);
