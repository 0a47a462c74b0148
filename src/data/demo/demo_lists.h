#pragma once
// The lists and texts a demo office ships besides the data sets: the nationality list
// "stal_Nat.def", the working-group lists "stal_ag*.def", the overview "stat2.mm", the letter
// template "nachford.mm" and the ZEP lists. All lines in the DOS code page.
#include "data/demo/demo_cohorts.h"

#include <string>
#include <vector>

namespace tev::demo {

struct DemoNationality {
    int code;
    const char* name; // UTF-8, at most 24 characters
    double weight;    // share among the foreign pupils, about
    double refugees;  // added from 2016/17 on
    double ukraine;   // added from 2022/23 on
};

const std::vector<DemoNationality>& DemoNationalities();
double NationalityWeight(const DemoNationality& nationality, int year);

// "nnn Name" lines.
std::vector<std::string> NationalityListLines();
// The working-group list of "stal_ag.def" (version 1), "stal_ag2.def" (2), "stal_ag3.def" (3):
// two heading lines, then one "nnnn Name" line per group.
std::vector<std::string> WorkingGroupListLines(int version);
// The list the program loads for a school year, from its first group on (the rows of 3.1).
std::vector<std::string> WorkingGroupsOfYear(int year);
// File name of the list the program loads last for a school year.
std::string WorkingGroupListName(int version);

std::vector<std::string> OverviewLines();
std::vector<std::string> RequestLetterLines();
std::vector<std::string> ZepListLines(const DemoSchool& school, const SchoolYearFigures& figures);

} // namespace tev::demo
