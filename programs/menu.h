// Menus as data: pop-ups in order, every text exactly as shown, and the command numbers they
// carry. Each program's descriptor holds its menu and its teaching pop-up.
#pragma once

#include "core/catalog.h"

namespace tessaly {

// The command numbers of every menu. The numbers are what the menus, the renderer's --do and
// the page carry; code names them here.
namespace commands {
enum Command : int {
  kReadFile = 101,
  kSaveFile = 102,
  kPrint = 103,
  kQuit = 104,
  kRedraw = 201,
  kOverlay = 202,
  kClear = 203,
  kShowData = 204,
  kFirstCircuit = 301,  // 301 to 309: circuit 1 to 9
  kLastCircuit = 309,
  kFirstAnalysis = 401,  // 401 to 409: analysis 1 to 9
  kLastAnalysis = 409,
  kStepUp = 501,
  kStepDown = 502,
  kStepReset = 503,
  kSecondStepUp = 504,
  kSecondStepDown = 505,
  kCircuitDialog = 601,
  kGraphDialog = 602,
  kMagnificationDialog = 603,
  kHelp = 701,
  kVersion = 702,
  // The teaching menu, numbered apart from the programs' own.
  kPhasorDiagram = 801,      // the diagram beside the graph, on or off
  kProjectorLines = 802,     // wide lines and darker colours, on or off
  kExerciseResonance = 811,  // predict f0
  kExerciseQuality = 812,    // predict Q
  kLeaveExercise = 819,
};
}  // namespace commands

struct MenuItem {
  int command;
  const char* text;
};

struct MenuPopup {
  const char* text;
  const MenuItem* items;
  int item_count;
};

struct Menu {
  const MenuPopup* popups;
  int popup_count;
};

// True when the pop-up or the menu offers the command (a command a menu does not list never
// reaches dispatch).
bool popup_offers(const MenuPopup& popup, int command);
bool menu_offers(const Menu& menu, int command);

}  // namespace tessaly
