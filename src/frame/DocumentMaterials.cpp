// The document's material commands: a change marks the project modified and
// refreshes the material list the frame shows.

#include "frame/TarvokrtDoc.h"

bool CTarvokrtDoc::CreateMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) { return AfterCommand(AfterStep::MaterialList, model_->CreateMaterial(id, name, elasticModulus, poissonRatio)); }
bool CTarvokrtDoc::RedefineMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) { return AfterCommand(AfterStep::MaterialList, model_->RedefineMaterial(id, name, elasticModulus, poissonRatio)); }
bool CTarvokrtDoc::DeleteMaterial(int id) { return AfterCommand(AfterStep::MaterialList, model_->DeleteMaterial(id)); }
