#pragma once
// The pieces every fault walk shares: the faults tried at each call, counting the calls of an
// operation, naming a fault in a failure message, and the checks on what the user was told and
// what a folder holds afterwards.

#include "support/FaultyFileCalls.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <span>
#include <string>

namespace zelkor::test {

struct FaultKind {
    const char* name;
    int error;
    Fault fault;
    FaultPersistence persistence;
};

// The disk fills up, the disk fails, a write takes only part of its bytes, the disk stays full
// from the chosen call on, and permission is refused.
std::span<const FaultKind> StandardFaultKinds();

FaultPlan PlanFor(const FaultKind& kind, int number);

// How many file calls the operation makes when nothing fails.
int CountFileCalls(const std::function<void()>& operation);

// Runs the step for every fault kind at every call number from 1 to count, and adds the cases
// run to the current test's property "FaultCases".
void ForEveryFault(int count, const std::function<void(const FaultKind&, int number)>& step);

// "no space at call 7 (fsync)".
std::string DescribeFault(const FaultKind& kind, int number, const FaultyFileCalls& calls);

// True when the text holds the Italian sentence of the error (in any of its wordings) and no
// untranslated system text.
bool NamesTheReason(const QString& text, int error);

// Every file of the folder, hidden ones too, by name.
std::map<QString, QByteArray> FolderFiles(const QString& folder);

}  // namespace zelkor::test
