// Firefox for engines.py: Debian's firefox-esr driven by puppeteer-core over WebDriver BiDi. It
// reads one command a line, as JSON [operation, ...arguments], and answers each with one line of
// JSON, {"value": ...} or {"error": "..."}; "log" answers what the page reported. A tab that the
// page closed ("Salir") is opened anew by the next command.
//   NODE_PATH=NODE_MODULES node firefox.mjs
import {createRequire} from 'node:module';
import readline from 'node:readline';

const puppeteer = createRequire(process.env.NODE_PATH + '/')('puppeteer-core');
const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    headless: true,
    extraPrefsFirefox: {'browser.shell.checkDefaultBrowser': false},
});
const reported = [];
let page, size;
async function tab()
{
    if (!page || page.isClosed()) {
        page = await browser.newPage();
        page.on('console', message => {
            if (['error', 'warn'].includes(message.type()))
                reported.push(message.text());
        });
        page.on('pageerror', error => reported.push(String(error)));
        if (size)
            await page.setViewport(size);
    }
    return page;
}

const operations = {
    open: async url => (await tab()).goto(url).then(() => null),
    viewport: async (width, height) => (await tab()).setViewport(size = {width, height}),
    evaluate: async expression => (await tab()).evaluate(expression),
    key: async (name, shift = false) => {
        const keyboard = (await tab()).keyboard;
        try {
            if (shift)
                await keyboard.down('Shift');
            await keyboard.press(name);
            if (shift)
                await keyboard.up('Shift');
        } catch (error) {
            if (!page.isClosed()) // the key closed it
                throw error;
        }
    },
    type: async text => (await tab()).keyboard.type(text),
    click: async (x, y) => (await tab()).mouse.click(x, y),
    screenshot: async path => (await tab()).screenshot({path}).then(() => null),
    closed: () => page.isClosed(),
    log: () => reported.splice(0),
    quit: () => browser.close(),
};

for await (const line of readline.createInterface({input: process.stdin})) {
    const [operation, ...args] = JSON.parse(line);
    try {
        const value = await operations[operation](...args);
        process.stdout.write(JSON.stringify({value: value ?? null}) + '\n');
    } catch (error) {
        process.stdout.write(JSON.stringify({error: String(error)}) + '\n');
    }
    if (operation === 'quit')
        break;
}
process.exit(0);
