#pragma once

namespace orva {

class Prompter;

// The "Blank Items" choice of every page of answers: true when the user chooses to leave the
// blanks and go on, false to stay on the page.
bool LeaveBlankItems(Prompter& prompter);

}  // namespace orva
