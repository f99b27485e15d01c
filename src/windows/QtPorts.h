#pragma once
// Qt adapters of the platform ports.
