// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The groups the total is made of, in the order the window lists them: tables of
// captions and tooltips are indexed by it.
enum class Category { Processor, Graphics, Memory, Disks, Optical, Fans };
