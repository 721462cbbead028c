#pragma once
// Display decoding of a document's bytes (built separately).
