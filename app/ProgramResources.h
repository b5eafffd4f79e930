#pragma once

/// Makes the compiled icons, logo and splash picture (":/Specula/image/...") available. The core
/// is a static library: without a reference from the code that uses them, the linker drops the
/// compiled resources. Every window or panel that may be built on its own (the main window, the
/// measurement panel in the editor or a test) calls this first; repeated calls cost nothing.
void initProgramResources();
