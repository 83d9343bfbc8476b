// What the page's tests read off the page, one function a question, the same in every engine:
// webtesting.probe runs this file and calls one of them by name. Each answers plain data.
({
    state: () => document.documentElement.dataset.state,
    focused: () => document.activeElement.id,
    value: id => document.getElementById(id).value,
    boxes: () => [...document.querySelectorAll('input')].map(box => box.value),
    selection: () => [document.activeElement.selectionStart, document.activeElement.selectionEnd],

    // Whether the form fills the width or the height of its window.
    fills: () => {
        const form = document.getElementById('Form1').getBoundingClientRect();
        return Math.abs(form.width - innerWidth) <= 1 || Math.abs(form.height - innerHeight) <= 1;
    },
    // The words the page ends with, and where the focus is then.
    end: () => [document.getElementById('ended').innerText.trim(), document.activeElement.id],
    // The learner's clock, as SCORM 2004 writes a moment.
    clock: () => {
        const d = new Date(), two = n => String(n).padStart(2, '0');
        return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}T` +
            `${two(d.getHours())}:${two(d.getMinutes())}:${two(d.getSeconds())}`;
    },

    // Every box holds `text`, and `id` has the focus.
    fill: (text, id) => {
        document.querySelectorAll('input').forEach(box => box.value = text);
        document.getElementById(id).focus();
    },

    // The page as it starts: its language, its one inline stylesheet, boxes that ask the
    // on-screen keyboard for no correction (which iPhones honour).
    settled: () => ({
        lang: document.documentElement.lang,
        sheets: (document.adoptedStyleSheets || []).length + document.styleSheets.length,
        autocorrect: [...document.querySelectorAll('input')].every(
            box => box.getAttribute('autocorrect') == 'off'),
    }),

    // A control's font faces, size, weight, style and colour, as computed.
    style: id => {
        const s = getComputedStyle(document.getElementById(id));
        return [s.fontFamily.split(',').map(face => face.trim().replace(/"/g, '')), s.fontSize,
                s.fontWeight, s.fontStyle, s.backgroundColor];
    },
    at: (x, y) => document.elementFromPoint(x, y).id,

    // Whether every label's and button's text lies centred across it, and every box's.
    centred: () => [...document.querySelectorAll('.Label, .CommandButton')].every(e => {
        const text = document.createRange();
        text.selectNodeContents(e);
        const t = text.getBoundingClientRect(), b = e.getBoundingClientRect();
        return Math.abs(t.left - b.left - (b.right - t.right)) <= 3;
    }) && [...document.querySelectorAll('input')].every(
             box => getComputedStyle(box).textAlign == 'center'),

    // The window, the form's box in it, and whether the page scrolls.
    fit: () => ({
        inner: [innerWidth, innerHeight],
        form: document.getElementById('Form1').getBoundingClientRect().toJSON(),
        scrolls: document.documentElement.scrollWidth > innerWidth ||
            document.documentElement.scrollHeight > innerHeight,
    }),

    // The form as written: its markup, its controls' ids, how many of each kind.
    markup: () => ({
        html: document.getElementById('drill').outerHTML,
        ids: [...document.querySelectorAll('#Form1 [id]')].map(e => e.id),
        kinds: Object.fromEntries(['PictureBox', 'TextBox', 'CommandButton', 'Label'].map(
            kind => [kind, document.querySelectorAll('#Form1 .' + kind).length])),
    }),

    // Whether the notice that scripts are off lies in the window, on top.
    noticeSeen: () => {
        const notice = document.querySelector('noscript p'), at = notice.getBoundingClientRect();
        return at.top >= 0 && at.bottom <= innerHeight &&
            document.elementFromPoint(at.left + at.width / 2, at.top + at.height / 2) == notice;
    },

    // A browser tab's view: captions cut, files loaded, the policy, the captions' words.
    tab: () => ({
        cut: [...document.querySelectorAll('.CommandButton, .Label')]
                 .filter(e => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)
                 .map(e => e.id),
        title: document.getElementById('Label1').innerText,
        loaded: performance.getEntriesByType('resource').length,
        policy: document.querySelector('meta[http-equiv=Content-Security-Policy]').content,
    }),
    dialog: () => document.querySelector('dialog[open] p').textContent,
    text: () => document.body.innerText,

    // On a phone: whether the hint to turn it shows, where the form lies, a box's keyboard.
    phone: () => ({
        hint: getComputedStyle(document.getElementById('turn')).display != 'none',
        form: document.getElementById('Form1').getBoundingClientRect().toJSON(),
    }),
    keyboard: id => {
        const b = document.getElementById(id);
        return [b.autocapitalize, b.spellcheck, b.autocomplete, b.translate];
    },
    forcedColours: () => matchMedia('(forced-colors: active)').matches,

    // What axe-core finds, rule by rule, with where.
    audit: rules => axe.run(document, rules ? {runOnly: rules} : {})
                        .then(result => result.violations.map(
                            rule => [rule.id, rule.nodes.map(node => node.target.join(' '))])),
})
