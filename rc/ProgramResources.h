#pragma once

// Makes the program's own resource items (the index rc/resources.txt, compiled
// in by the build) the running module's resources. Each program's main calls it
// before anything asks for a text or a picture.
void InstallProgramResources();
