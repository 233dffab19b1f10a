// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the program can show its window, told in plain words when not.
namespace lnb {

// Before Qt starts: whether a platform can show the window. Without one, Qt
// would abort with advice to reinstall; the program says so plainly instead.
bool findsGraphicalDisplay(int argc, char* argv[]);
void reportNoGraphicalDisplay();

// While the application object is created: a display that is named but does
// not answer ends the program with the same plain words, and a display whose
// platform plugin is missing with words naming the package that brings it;
// exit status 1. Qt's own lines about the plugins it cannot find are left out.
class NoDisplayGuard {
  public:
    NoDisplayGuard();
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};

}  // namespace lnb
