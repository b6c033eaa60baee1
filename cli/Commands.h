#pragma once
// The subcommands of glimmerset-cli, each taking its own arguments (the subcommand's name first)
// and returning the program's exit status.

#include <QStringList>

namespace glimmerset::cli {

int RunMake(const QStringList& arguments);
int RunSolve(const QStringList& arguments);
int RunPrint(const QStringList& arguments);

}  // namespace glimmerset::cli
