// The page's side of the program, beyond the one-line reads and writes of dom.cpp: how clicks and
// the page's going away reach the program, the form kept for a new start, the run-time error's
// dialog, and the learning platform's SCORM run-time and the learner's clock. Linked into the
// program with Emscripten's --js-library; the C++ side declares each function by its name.
mergeInto(LibraryManager.library, {
    // Every click in the drill, the run-time error report's closing and the page's going away come to
    // the program from now on; the clicks the page kept while the program was on its way, once it is
    // ready.
    wire: function(drill, report) {
        Module.clicked = function(id) {
            const top = stackSave();
            _clicked(allocateUTF8OnStack(id));
            stackRestore(top);
        };
        document.getElementById(UTF8ToString(drill)).addEventListener("click", function(event) {
            Module.clicked(event.target.id);
        });
        document.getElementById(UTF8ToString(report)).addEventListener("close", function() {
            _reportRead();
        });
        addEventListener("pagehide", function() {
            _pageHidden();
        });
        Module.earlyClicks = window.earlyClicks || [];
        window.earlyClicks = null;
    },

    // The clicks the page kept while the program was on its way.
    runEarlyClicks: function() {
        Module.earlyClicks.forEach(Module.clicked);
    },

    // Where the browser has no dialogs, the report is closed by hand and says so.
    closeReport: function(id) {
        const dialog = document.getElementById(UTF8ToString(id));
        if (dialog.close) {
            dialog.close();
        } else {
            dialog.removeAttribute("open");
            dialog.dispatchEvent(new Event("close"));
        }
    },

    // The form as the page first held it. A box's copy keeps what was typed into it before the program
    // arrived: the copies are emptied.
    keepForm: function(id) {
        Module.pristineForm = document.getElementById(UTF8ToString(id)).cloneNode(true);
        Module.pristineForm.querySelectorAll("input").forEach(function(box) { box.value = ""; });
    },

    // Where the form was ended, it comes back as the page first held it.
    bringBackForm: function(id) {
        document.getElementById(UTF8ToString(id)).replaceWith(Module.pristineForm.cloneNode(true));
    },

    showModal: function(id) {
        const dialog = document.getElementById(UTF8ToString(id));
        // Safari before 15.4 has no modal dialogs: there the report stands open in the page.
        if (dialog.showModal)
            dialog.showModal();
        else
            dialog.setAttribute("open", "");
    },

    // Keeps the run-time of that name for the calls to come; whether there is one. A window of another
    // origin (the page shown as a plain file in someone else's frame) throws where its properties are
    // read: it has none.
    findRunTime: function(name) {
        function property(window, key) {
            try {
                return window[key];
            } catch (error) {
                return undefined;
            }
        }
        function above(window) {
            for (let depth = 0; window && depth < 16; ++depth) {
                const found = property(window, UTF8ToString(name));
                if (found)
                    return found;
                const parent = property(window, "parent");
                if (!parent || parent == window)
                    break;
                window = parent;
            }
        }
        Module.runTime = above(window) || above(window.opener);
        return !!Module.runTime;
    },

    // Calls the run-time with a text or two; what it answers, as a number. A run-time that throws
    // has refused.
    callRunTime: function(name, element, value, valueBytes) {
        try {
            const said = value ? Module.runTime[UTF8ToString(name)](
                                     UTF8ToString(element), UTF16ToString(value, valueBytes))
                               : Module.runTime[UTF8ToString(name)](UTF8ToString(element));
            return Number(said);
        } catch (error) {
            return NaN;
        }
    },

    // The learner's clock: year, month, day, hour, minute, second.
    readClock: function(fields) {
        const date = new Date();
        HEAP32.set([date.getFullYear(), date.getMonth() + 1, date.getDate(), date.getHours(),
                    date.getMinutes(), date.getSeconds()], fields >> 2);
    },
});
