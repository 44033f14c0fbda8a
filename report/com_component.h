// The spreadsheet application of a Windows machine, driven through the system's automation
// (Qt-free, Windows only): the application registered with the system under a programmatic
// identifier is created, and the late-bound calls of the automation layer reach it by member
// name through IDispatch. The workbook is saved by the application into a fresh name in a
// private folder and then put in place by the program's own writer, so that the application
// never meets an existing file and every guarantee of the program's saving holds.
#pragma once

#include <string>

#include "report/automation.h"
#include "report/xlsx_component.h"

namespace climate::automation {

// An object of the application registered under `prog_id`, or nullptr when the system has none
// or it cannot be started. COM is initialised on the calling thread while the object lives.
ObjectPtr CreateSystemObject(const std::string &prog_id, const FileWriter &put_in_place,
                             const FolderMaker &make_folder);

}  // namespace climate::automation
