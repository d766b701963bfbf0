#pragma once

// What every command that brings a whole program into the Edit tab shares
// (Make Program, IMPORT): the values through the lists' handlers as one
// step, then one message of what had to be adapted.

#include "editor/edit_model.h"
#include "program/program.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace trevalo::app {

// Chooses `program` in the editor, runs `chosen`, then tells `notes`, if any,
// in one message box named `message_name`.
void arrive(QWidget* window, editor::EditModel& edit, const program::Program& program,
            const std::function<void()>& chosen, const std::vector<std::string>& notes, const QString& heading,
            const char* message_name);

}  // namespace trevalo::app
