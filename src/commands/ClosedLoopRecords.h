#pragma once
// Removing a registered closed loop while its curves are being deleted.

class CSectModel;

// Deletes the closed loop, recorded in the open undo action, and takes its id
// off every curve that still lists it. A missing loop or curve is skipped.
void DeleteClosedLoopRecord(CSectModel& model, int loopId);
