#pragma once
// What a DXF read tells the user once it has met the drawing's end.

class CSectModel;

// Prints the summary of what the read made, then, when something was not
// imported, one line that counts it by why. Warns of the entities smaller
// than the tolerance, of those it could not place, and of a read that made
// nothing at all unless the id limit, which has its own warning, stopped it.
void ReportDxfRead(const CSectModel& model);
