#pragma once

// The categories the window shows a subtotal for, each in a label of its own.
enum class Category { Processor, Graphics, Memory, Disks, Optical, Fans };
