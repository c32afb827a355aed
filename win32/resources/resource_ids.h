// The identifiers of the program's resources: icons, version, manifest.
// Read by the resource compiler and by the window code alike.
#pragma once

#define VELL_IDI_APP 1
#define VELL_IDI_OPEN_FLIGHT 101
#define VELL_IDI_COPY_FLIGHT 102
#define VELL_IDI_AIRPORT_NOTES 103
#define VELL_IDI_IMPORT_PLAN 104
#define VELL_IDI_DONE 105
