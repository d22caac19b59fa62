#pragma once

// A program linked with counting_new.cpp counts every heap allocation it makes.
long AllocationsSoFar();
