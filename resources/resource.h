// Resource ids of both programs.
#pragma once

#define IDR_MANIFEST 1
