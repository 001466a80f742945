// Each program's menu and dialog templates, looked up by the program they belong to.
#pragma once

#include "programs/descriptor.h"
#include "resources/dialogs.h"
#include "resources/menus.h"

namespace tessaly::resources {

struct ProgramResources {
  const Menu* menu;
  const DialogTemplate* dialogs[3];  // "DLG1" to "DLG3"; null where the program has none
};

const ProgramResources& resources_of(const ProgramDescriptor& program);

}  // namespace tessaly::resources
