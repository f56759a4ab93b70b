#pragma once

namespace orva {

class Prompter;

// The "Blank Items" choice of every page of answers: true when the user chooses to leave the
// blanks and go on, false to stay on the page.
bool LeaveBlankItems(Prompter& prompter);

// The same choice asked of a reporter answering alone, in plain words, about the one question
// on the screen (`oneItem`) or the questions of the page.
bool LeaveBlankItemsInPlainWords(Prompter& prompter, bool oneItem);

}  // namespace orva
