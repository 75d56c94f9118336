// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

class Results;

// The results message: a modal information box with one OK button, titled Results::title().
// Returns when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void showResults(const Results &results) = 0;
};

} // namespace quorvel
